#include "ProjectFixture.h"
#include "platform/FieldLimit.h"

#include <QApplication>
#include <QClipboard>
#include <QStringDecoder>
#include <QTest>

#include <functional>
#include <optional>
#include <vector>

namespace {

constexpr auto Limit = static_cast<qsizetype>(FieldLimit::MaxLength);

const QString Emoji = QString::fromUtf8("\xF0\x9F\x98\x80");

QString Letters(qsizetype count) {
    return QString(count, u'l');
}

// Where the user pastes: a site box, the editor of a design discharge cell
// and, through the window's Ctrl+V, another cell of that grid.
struct Target {
    const char* what;
    std::function<QString(const StartUpMod::LoadedWindows&)> text;
    QString refusal;
};

class PastedCharacters : public ProjectFileTest {
protected:
    void SetUp() override {
        ProjectFileTest::SetUp();
        Open(TW_EXAMPLE_PROJECT);
        ASSERT_TRUE(user.shown.empty());
    }

    // What the user pastes, over the whole text of each target.
    void PasteEverywhere(const QString& clip) {
        QApplication::clipboard()->setText(clip);
        QLineEdit& box = *site->TxtCounty;
        box.selectAll();
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);

        FlexGrid& grid = *design->GrdDesignQs;
        grid.SetSelection(1, 1, 1, 1);
        QTest::keyClick(&grid, Qt::Key_F2);
        auto* editor = grid.viewport()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents(); // the editor commits through a queued call
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // and goes

        grid.SetSelection(1, 2, 1, 2);
        QTest::keyClick(&grid, Qt::Key_V, Qt::ControlModifier);
    }
};

// Half an emoji would be saved as a "?" the user never typed, and a limit
// counted in UTF-8 bytes would refuse accented or Chinese text that fits: what
// a box or a cell takes of a paste is saved as it shows, every character whole.
TEST_F(PastedCharacters, APasteIsTakenAndSavedInWholeCharacters) {
    const std::vector<Target> targets = {
        {"site box", [](const auto& w) { return w.siteIdentification->TxtCounty->text(); },
         "The pasted text holds double quotes that, saved as two apostrophes each, take it past "
         "the 65536 characters a box keeps. Nothing was pasted."},
        {"cell editor", [](const auto& w) { return w.genDesign->GrdDesignQs->TextMatrix(1, 1); },
         "The pasted text holds double quotes that, saved as two apostrophes each, take it past "
         "the 65536 characters a cell keeps. Nothing was pasted."},
        {"grid paste", [](const auto& w) { return w.genDesign->GrdDesignQs->TextMatrix(1, 2); },
         "A cell of the pasted text holds double quotes that, saved as two apostrophes each, "
         "take it past the 65536 characters a cell keeps. Nothing was pasted."},
    };
    struct Case {
        const char* what;
        QString clip;
        std::optional<QString> taken; // none: refused
    };
    for (const Case& c : std::vector<Case>{
             {"65,535 letters and an emoji", Letters(Limit - 1) + Emoji, Letters(Limit - 1)},
             {"65,534 letters and an emoji", Letters(Limit - 2) + Emoji,
              Letters(Limit - 2) + Emoji},
             {"32,769 emoji", QString(Emoji).repeated(Limit / 2 + 1),
              QString(Emoji).repeated(Limit / 2)},
             {"40,000 accented letters", QString(40000, u'\u00e9'), QString(40000, u'\u00e9')},
             {"40,000 Chinese characters", QString(40000, u'\u6c34'), QString(40000, u'\u6c34')},
             {"32,768 double quotes", QString(Limit / 2, u'"'), QString(Limit / 2, u'"')},
             {"32,769 double quotes", QString(Limit / 2 + 1, u'"'), std::nullopt},
         }) {
        SCOPED_TRACE(c.what);
        site->TxtCounty->setText("before");
        design->GrdDesignQs->SetTextMatrix(1, 1, "before");
        design->GrdDesignQs->SetTextMatrix(1, 2, "before");
        user.shown.clear();
        PasteEverywhere(c.clip);

        std::vector<QString> refusals;
        for (const Target& target : targets) {
            SCOPED_TRACE(target.what);
            const QString shown = target.text(*windows);
            EXPECT_EQ(shown.size(), c.taken.value_or("before").size());
            EXPECT_TRUE(shown == c.taken.value_or("before"));
            if (!c.taken) {
                refusals.push_back(target.refusal);
            }
        }
        EXPECT_EQ(user.MessageTexts(), refusals);

        const QString path = Path("pasted.twl");
        SaveAs(path);
        const QByteArray bytes = FileBytes(path);
        EXPECT_FALSE(bytes.contains('?'));
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString saved = utf8(bytes);
        EXPECT_FALSE(utf8.hasError());
        const QString field =
            "\"" + QString(c.taken.value_or("before")).replace(u'"', QString("''")) + "\"";
        EXPECT_EQ(saved.count(field), 3);
    }
}

} // namespace
