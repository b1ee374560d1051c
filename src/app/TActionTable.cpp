#include "app/TActionTable.h"

const std::vector<TActionInfo>& ActionTable() {
    static const std::vector<TActionInfo> table = {
        {"acRipMode", "View", "Import CD Mode", "F1"},
        {"acRenameMode", "View", "Rename / Tag files", "F2"},
        {"acViewOptions", "View", "Options", "F3"},
        {"acSFXdescriptions", "Actions", "Edit all descriptions", ""},
        {"acsfxFileNames", "Actions", "Filenames", ""},
        {"acRipSelected", "Actions", "Rip marked", "Alt+S"},
        {"acRipDisc", "Actions", "Rip disc", "Ctrl+R"},
        {"acMuEditTrackNames", "Actions", "Edit Track Names", ""},
        {"acSendToSdx", "Actions", "Send sounds to Sonaphor", "F4"},
        {"acProcSel", "Actions", "Process marked", ""},
        {"acProcAll", "Actions", "Process all", ""},
        {"acEditTagsAll", "Actions", "Edit all tags", ""},
        {"acSelAll", "Select", "Select all", "Ctrl+A"},
        {"acMarkAll", "Select", "Mark all", "Alt+A"},
        {"acUnmarkAll", "Select", "Unmark all", "Alt+D"},
        {"acMarkSel", "Select", "Mark selected", "Ctrl+M"},
        {"acDeselAll", "Select", "Deselect all", "Ctrl+D"},
        {"acTagSelected", "Actions", "Edit tag of selected sounds", ""},
        {"AcPlayPause", "Actions", "Play/Pause", "Space"},
    };
    return table;
}
