// The window at its first size: every control a view shows gets at least the size it needs.
#include "app/TfMainForm.h"

#include "common/TRecordingMessages.h"
#include "common/TTestDir.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// The controls shown in `window` that are smaller than their minimum size hint, by name.
QStringList SquashedControls(QWidget& window) {
    QStringList squashed;
    const QList<QWidget*> widgets = window.findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        const bool control = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QAbstractSpinBox*>(widget) ||
                             qobject_cast<QComboBox*>(widget) || qobject_cast<QLineEdit*>(widget);
        if (!control || !widget->isVisibleTo(&window) || widget->parentWidget()->inherits("QAbstractSpinBox") ||
            widget->parentWidget()->inherits("QComboBox"))
            continue;
        const QSize needed = widget->minimumSizeHint();
        if (widget->height() < needed.height() || widget->width() < needed.width())
            squashed << QString("%1 %2 (%3x%4, needs %5x%6)")
                            .arg(widget->metaObject()->className(), widget->objectName())
                            .arg(widget->width())
                            .arg(widget->height())
                            .arg(needed.width())
                            .arg(needed.height());
    }
    return squashed;
}
} // namespace

TEST(WindowLayout, EveryViewGivesItsControlsTheirSizeAtTheFirstWindowSize) {
    TTestDir dir;
    TRecordingMessages messages;
    TfMainForm form(dir.MakeFolder("program"), nullptr);
    form.StartUp();
    form.resize(828, 687);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    for (const char* view : {"acRipMode", "acViewOptions", "acRenameMode"}) {
        form.Action(view)->trigger();
        QTest::qWait(50); // the layouts settle in the event loop
        EXPECT_EQ(SquashedControls(form), QStringList()) << view;
    }
}
