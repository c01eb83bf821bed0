#include "platform/TextBoxes.h"

#include "FakeDialogs.h"
#include "platform/FieldLimit.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

namespace {

constexpr auto Limit = static_cast<qsizetype>(FieldLimit::MaxLength);

QString Quotes(qsizetype count) {
    return QString(count, u'"');
}

QString Letters(qsizetype count) {
    return QString(count, u'l');
}

// Two UTF-16 units: a surrogate pair.
const QString Emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
// Two code points, one character: "e" and a combining acute accent.
const QString AccentedE = QString::fromUtf8("e\xCC\x81");

// Whether a text holds half a surrogate pair, which a save writes as "?".
bool HoldsHalfACharacter(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && (i + 1 == text.size() || !text[i + 1].isLowSurrogate())) {
            return true;
        }
        if (text[i].isLowSurrogate() && (i == 0 || !text[i - 1].isHighSurrogate())) {
            return true;
        }
    }
    return false;
}

// A message box takes the keyboard while it shows, as a real one does.
class KeyboardTakingDialogs : public FakeDialogs {
public:
    QWidget* takesTheKeyboard = nullptr;

    void Message(const QString& text, const QString& title) override {
        takesTheKeyboard->setFocus();
        FakeDialogs::Message(text, title);
    }
};

// A window's box: within a widget that is held to the limit, as the program
// holds its main window, shown and holding the keyboard.
class TextBoxesTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(&box);
        layout->addWidget(&otherBox);
        TextBoxes::HoldToFieldLimit(window);
        user.takesTheKeyboard = &otherBox;
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        box.setFocus();
    }

    // Failures show lengths, not 65,536 characters.
    static void ExpectText(const QLineEdit& box, const QString& text) {
        EXPECT_EQ(box.text().size(), text.size());
        EXPECT_TRUE(box.text() == text);
        EXPECT_FALSE(HoldsHalfACharacter(box.text()));
    }

    KeyboardTakingDialogs user;
    QWidget window;
    QLineEdit& box = *new QLineEdit(&window);
    QLineEdit& otherBox = *new QLineEdit(&window);
};

// The box's own menu, popped up from the keyboard, and its Paste chosen.
void PasteFromTheMenu(QLineEdit& box) {
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(2, 2),
                            box.mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(&box, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction* paste = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text().startsWith("&Paste")) {
            paste = action;
        }
    }
    ASSERT_NE(paste, nullptr);
    paste->trigger();
    menu->close();
}

const std::vector<std::pair<const char*, std::function<void(QLineEdit&)>>> PasteWays = {
    {"Ctrl+V", [](QLineEdit& box) { QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier); }},
    {"Shift+Insert",
     [](QLineEdit& box) { QTest::keyClick(&box, Qt::Key_Insert, Qt::ShiftModifier); }},
    {"the box's menu", PasteFromTheMenu},
};

// A key that would take the text past what a field holds is refused, without
// a word, and so is a character of two UTF-16 units where one is left.
TEST_F(TextBoxesTest, ABoxTakesNoTypedCharacterThatASaveWouldWritePastTheLimit) {
    struct Typed {
        const char* what;
        QString before;
        QString key;
        QString after;
    };
    for (const Typed& c : std::vector<Typed>{
             {"a letter past a box full of letters", Letters(Limit), "x", Letters(Limit)},
             {"a letter past a box full of quotes", Quotes(Limit / 2), "x", Quotes(Limit / 2)},
             {"a quote where only a letter fits", Letters(Limit - 1), "\"", Letters(Limit - 1)},
             {"an emoji where only a letter fits", Letters(Limit - 1), Emoji, Letters(Limit - 1)},
             {"a letter that fits", Letters(Limit - 1), "x", Letters(Limit - 1) + "x"},
             {"a quote that fits", Quotes(Limit / 2 - 1), "\"", Quotes(Limit / 2)},
             {"an emoji that fits", Letters(Limit - 2), Emoji, Letters(Limit - 2) + Emoji},
             {"a Chinese character past 40,000", QString(40000, u'\u6c34'), QString(u'\u6c34'),
              QString(40001, u'\u6c34')},
         }) {
        SCOPED_TRACE(c.what);
        box.setText(c.before);
        QTest::sendKeyEvent(QTest::Click, &box, Qt::Key_unknown, c.key, Qt::NoModifier);
        ExpectText(box, c.after);
    }
    EXPECT_TRUE(user.shown.empty());
}

// Every way of pasting cuts a text between characters where the box reaches
// the limit, as a grid cell cuts it, and refuses a paste whose double quotes
// still take the box's text past the limit with a word, the box then as it
// was and holding the keyboard.
TEST_F(TextBoxesTest, APasteIsCutBetweenCharactersAndARefusedOneIsTold) {
    const QString pastedRefusal = "The pasted text holds double quotes that, saved as two "
                                  "apostrophes each, take it past the 65536 characters a box "
                                  "keeps. Nothing was pasted.";
    struct Pasted {
        const char* what;
        QString clip;
        QString before;
        // Where the paste goes in `before`; none: over all of it.
        std::optional<int> cursor;
        std::optional<QString> after; // none: refused
        QString refusal;
    };
    for (const Pasted& c : std::vector<Pasted>{
             {"a short text", "Sta. \"12\"", "before", {}, "Sta. \"12\"", {}},
             {"70,000 letters", Letters(70000), "before", {}, Letters(Limit), {}},
             {"65,535 letters and an emoji",
              Letters(Limit - 1) + Emoji,
              "before",
              {},
              Letters(Limit - 1),
              {}},
             {"65,535 letters and an accented e",
              Letters(Limit - 1) + AccentedE,
              "before",
              {},
              Letters(Limit - 1),
              {}},
             {"40,000 accented letters",
              QString(40000, u'\u00e9'),
              "before",
              {},
              QString(40000, u'\u00e9'),
              {}},
             {"40,000 Chinese characters",
              QString(40000, u'\u6c34'),
              "before",
              {},
              QString(40000, u'\u6c34'),
              {}},
             {"the most quotes", Quotes(Limit / 2), "before", {}, Quotes(Limit / 2), {}},
             {"a quote too many", Quotes(Limit / 2 + 1), "before", {}, {}, pastedRefusal},
             {"a quote past the cut", Letters(Limit) + "\"", "before", {}, Letters(Limit), {}},
             {"quotes past the limit once cut",
              Letters(Limit - 2) + Quotes(3),
              "before",
              {},
              {},
              pastedRefusal},
             {"letters into the middle of a text",
              Letters(70000),
              "ab",
              1,
              "a" + Letters(Limit - 2) + "b",
              {}},
             {"two emoji where one fits",
              Emoji + Emoji,
              Letters(Limit - 3),
              Limit - 3,
              Letters(Limit - 3) + Emoji,
              {}},
             {"a letter beside a box full of quotes",
              "x",
              Quotes(Limit / 2),
              Limit / 2,
              {},
              "With the pasted text, the box's text holds double quotes that, saved as two "
              "apostrophes each, take it past the 65536 characters a box keeps. Nothing was "
              "pasted."},
         }) {
        SCOPED_TRACE(c.what);
        // What a grid cell takes of a paste is what a box takes.
        if (!c.cursor) {
            EXPECT_TRUE(TextBoxes::TakenOfPaste(c.clip) == c.after);
        }
        QApplication::clipboard()->setText(c.clip);
        for (const auto& [way, paste] : PasteWays) {
            SCOPED_TRACE(way);
            box.setText(c.before);
            if (c.cursor) {
                box.setCursorPosition(*c.cursor);
            } else {
                box.selectAll();
            }
            user.shown.clear();
            paste(box);
            ExpectText(box, c.after.value_or(c.before));
            EXPECT_EQ(user.MessageTexts(),
                      c.after ? std::vector<QString>() : std::vector<QString>{c.refusal});
            EXPECT_TRUE(box.hasFocus());
        }
    }
}

// A paste stays a step of its own for Undo, apart from the typing before it.
TEST_F(TextBoxesTest, UndoTakesBackThePasteAlone) {
    QTest::keyClicks(&box, "Sta. ");
    QApplication::clipboard()->setText("12+50");
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    ExpectText(box, "Sta. 12+50");
    QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
    ExpectText(box, "Sta. ");
}

// Every text that fits is Acceptable to the box, so that it still ends its
// editing, and a text from a file comes back whole: the 65,536 apostrophes of
// 32,768 double quotes, past Qt's default of 32,767.
TEST_F(TextBoxesTest, EveryTextThatFitsEndsItsEditingAndComesBackWhole) {
    for (const QString& text :
         {QString(), QString("Sta. 12+50"), Quotes(Limit / 2), QString(Limit, u'\'')}) {
        SCOPED_TRACE(text.size());
        box.setText(text);
        ExpectText(box, text);
        EXPECT_TRUE(box.hasAcceptableInput());
        QSignalSpy finished(&box, &QLineEdit::editingFinished);
        QSignalSpy returned(&box, &QLineEdit::returnPressed);
        QTest::keyClick(&box, Qt::Key_Return);
        EXPECT_EQ(finished.size(), 1);
        EXPECT_EQ(returned.size(), 1);
    }
}

} // namespace
