#pragma once

#include <QObject>

#include <map>

class QAction;
class QLineEdit;
class TLongAutoCompleteListBox;

// The key and focus handling that panels with word-history fields share: a key released in a
// field lets its suggestion box serve that field; entering a field holds off Play/Pause (so
// that Space types a blank); leaving it gives Play/Pause back and hides every box.
class TSuggestionFields : public QObject {
    Q_OBJECT
public:
    // `playPause` may be null.
    TSuggestionFields(QAction* playPause, QObject* parent);

    // `box` serves `field` from now on.
    void Serve(QLineEdit* field, TLongAutoCompleteListBox* box);
    void HideAll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* playPause_ = nullptr;
    std::map<QObject*, TLongAutoCompleteListBox*> boxes_;
};
