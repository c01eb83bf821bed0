#include "ProjectFixture.h"

#include <QRegularExpression>

#include <string>

namespace {

using SkippedRecordsMessage = ProjectFileTest;

// `lost` records of items the site section does not have, for a file's body,
// and the name Open gives each of them, in file order.
struct LostRecords {
    std::string records;
    QStringList names;
};

LostRecords SiteItemsThatDoNotExist(int lost) {
    LostRecords file;
    for (int i = 0; i < lost; ++i) {
        const int item = 41 + i;
        file.records += "\"SITEIDINFO7438579\"," + std::to_string(item) + ",\"unknown item\"\r\n";
        // The header takes the first three lines.
        file.names << QString("No such item (line %1, section SITEIDINFO7438579, item %2)")
                          .arg(4 + i)
                          .arg(item);
    }
    return file;
}

} // namespace

// The message names ten lost records, one to a line, and counts those past the
// ten on a line of their own; ten lost records need no such line.
TEST_F(SkippedRecordsMessage, NamesTheFirstTenAndCountsTheRest) {
    const struct {
        int lost;
        QString countLine;
    } cases[] = {{10, ""}, {11, "and 1 more"}, {12, "and 2 more"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lost);
        const LostRecords file = SiteItemsThatDoNotExist(c.lost);
        const QString path = Path(QString("lost %1.twl").arg(c.lost));
        WriteBytes(path, ProjectFile(file.records));
        user.shown.clear();
        Open(path);
        ASSERT_EQ(user.MessageTexts().size(), 1u);
        const QStringList lines = user.MessageTexts()[0].split('\n');

        const qsizetype first = lines.indexOf(file.names[0]);
        ASSERT_GT(first, 0) << user.MessageTexts()[0].toStdString();
        const QString head = lines.mid(0, first).join('\n');
        EXPECT_TRUE(head.contains(QRegularExpression(QString("\\b%1\\b").arg(c.lost))))
            << head.toStdString();
        ASSERT_GE(lines.size(), first + 11);
        EXPECT_EQ(lines.mid(first, 10), file.names.mid(0, 10));
        const QRegularExpression countPattern("^and \\d+ more$");
        if (c.countLine.isEmpty()) {
            EXPECT_EQ(lines.filter(countPattern), QStringList());
        } else {
            EXPECT_EQ(lines[first + 10], c.countLine);
        }
        for (qsizetype unnamed = 10; unnamed < file.names.size(); ++unnamed) {
            EXPECT_FALSE(user.MessageTexts()[0].contains(file.names[unnamed]));
        }
    }
}
