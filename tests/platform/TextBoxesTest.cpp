#include "platform/TextBoxes.h"

#include "platform/FieldLimit.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

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

// A window's box: within a widget that is held to the limit, as the program
// holds its main window.
class TextBoxesTest : public ::testing::Test {
protected:
    void SetUp() override { TextBoxes::HoldToFieldLimit(window); }

    // Failures show lengths, not 65,536 characters.
    static void ExpectText(const QLineEdit& box, const QString& text) {
        EXPECT_EQ(box.text().size(), text.size());
        EXPECT_TRUE(box.text() == text);
    }

    QWidget window;
    QLineEdit& box = *new QLineEdit(&window);
};

// A box takes a text only while, saved with each double quote as two
// apostrophes, it fits a field: a key past that is refused, and a paste is
// cut to the limit as Qt cuts it, then refused whole if its double quotes
// still take it past.
TEST_F(TextBoxesTest, ABoxTakesNoTextThatASaveWouldWritePastTheLimit) {
    struct Typed {
        const char* what;
        QString before;
        QChar key;
        QString after;
    };
    for (const Typed& c : std::vector<Typed>{
             {"a letter past a box full of letters", Letters(Limit), u'x', Letters(Limit)},
             {"a letter past a box full of quotes", Quotes(Limit / 2), u'x', Quotes(Limit / 2)},
             {"a quote where only a letter fits", Letters(Limit - 1), u'"', Letters(Limit - 1)},
             {"a letter that fits", Letters(Limit - 1), u'x', Letters(Limit - 1) + "x"},
             {"a quote that fits", Quotes(Limit / 2 - 1), u'"', Quotes(Limit / 2)},
         }) {
        SCOPED_TRACE(c.what);
        box.setText(c.before);
        QTest::keyClicks(&box, QString(c.key));
        ExpectText(box, c.after);
    }

    struct Pasted {
        const char* what;
        QString clip;
        std::optional<QString> taken;
    };
    for (const Pasted& c : std::vector<Pasted>{
             {"a short text", "Sta. \"12\"", "Sta. \"12\""},
             {"70,000 letters", Letters(70000), Letters(Limit)},
             {"the most quotes", Quotes(Limit / 2), Quotes(Limit / 2)},
             {"a quote too many", Quotes(Limit / 2 + 1), std::nullopt},
             {"a quote past the cut", Letters(Limit) + "\"", Letters(Limit)},
             {"quotes past the limit once cut", Letters(Limit - 2) + Quotes(3), std::nullopt},
         }) {
        SCOPED_TRACE(c.what);
        // What a grid cell takes of a paste is what a box takes.
        EXPECT_TRUE(TextBoxes::TakenOfPaste(c.clip) == c.taken);
        box.setText("before");
        box.selectAll();
        QApplication::clipboard()->setText(c.clip);
        box.paste();
        ExpectText(box, c.taken.value_or("before"));
    }
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
