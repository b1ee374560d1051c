#include "ui/TLongAutoCompleteListBox.h"

#include "app/THistoryList.h"

#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {
// Hands every key release in the field to the box, as the panels do.
class TKeyUpForwarder : public QObject {
public:
    explicit TKeyUpForwarder(TLongAutoCompleteListBox& box) : box_(box) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyRelease)
            box_.FieldKeyReleased(static_cast<QLineEdit*>(watched),
                                  static_cast<QKeyEvent*>(event)->key());
        return false;
    }

private:
    TLongAutoCompleteListBox& box_;
};

struct AutoCompleteBox : ::testing::Test {
    THistoryList history;
    QWidget panel;
    QLineEdit* field = nullptr;
    TLongAutoCompleteListBox* box = nullptr;
    std::unique_ptr<TKeyUpForwarder> forwarder;

    AutoCompleteBox() {
        for (const char* entry : {"Birds", "Big Bangs 2", "Big Bangs"})
            history.Add(entry);
        auto* layout = new QVBoxLayout(&panel);
        layout->addWidget(new QLineEdit(&panel));
        field = new QLineEdit(&panel);
        layout->addWidget(field);
        layout->addWidget(new QLineEdit(&panel));
        box = new TLongAutoCompleteListBox(history, &panel);
        forwarder = std::make_unique<TKeyUpForwarder>(*box);
        field->installEventFilter(forwarder.get());
        panel.resize(216, 300);
        panel.show();
    }

    QStringList Shown() const {
        QStringList items;
        for (int row = 0; row < box->count(); ++row)
            items << box->item(row)->text();
        return items;
    }
};
} // namespace

TEST_F(AutoCompleteBox, SuggestsFromThreeCharactersUnderTheFieldAndDownTakesTheFirst) {
    QTest::keyClicks(field, "bi");
    EXPECT_FALSE(box->Shown());
    QTest::keyClicks(field, "g");
    ASSERT_TRUE(box->Shown());
    EXPECT_EQ(Shown(), QStringList({"Big Bangs", "Big Bangs 2"}));
    EXPECT_EQ(box->geometry().topLeft(), field->geometry().bottomLeft() + QPoint(0, 1));
    EXPECT_EQ(box->width(), field->width());

    QTest::keyClick(field, Qt::Key_Down);
    EXPECT_EQ(field->text(), "Big Bangs");
    EXPECT_EQ(field->cursorPosition(), 9);
    EXPECT_FALSE(box->Shown());
}

TEST_F(AutoCompleteBox, HidesWhenNothingMatchesWhenTooShortAndOnEnter) {
    QTest::keyClicks(field, "bir");
    EXPECT_EQ(Shown(), QStringList({"Birds"}));
    QTest::keyClicks(field, "x");
    EXPECT_FALSE(box->Shown());

    field->clear();
    QTest::keyClicks(field, "big");
    ASSERT_TRUE(box->Shown());
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_FALSE(box->Shown());

    QTest::keyClicks(field, "g");
    ASSERT_TRUE(box->Shown());
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_FALSE(box->Shown());
    EXPECT_EQ(field->text(), "big"); // Enter only closes the box

    box->AcceptFirst(); // a closed box has nothing to accept
    EXPECT_EQ(field->text(), "big");
}

TEST_F(AutoCompleteBox, AClickTakesTheSuggestionUnderThePointer) {
    QTest::keyClicks(field, "BIG");
    ASSERT_EQ(box->count(), 2);
    const QRect second = box->visualItemRect(box->item(1));
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(field->text(), "Big Bangs 2");
    EXPECT_EQ(field->cursorPosition(), 11);
    EXPECT_FALSE(box->Shown());
    EXPECT_EQ(box->focusPolicy(), Qt::NoFocus); // typing goes on in the field
}

TEST_F(AutoCompleteBox, AddToHistoryIgnoresTextsThatDifferOnlyInCase) {
    const QStringList before = history.Entries();
    box->AddToHistory("big bangs");
    box->AddToHistory("Big Bangs");
    EXPECT_EQ(history.Entries(), before);
    box->AddToHistory("Bells");
    EXPECT_EQ(history.Entries(), QStringList({"Bells", "Big Bangs", "Big Bangs 2", "Birds"}));
}
