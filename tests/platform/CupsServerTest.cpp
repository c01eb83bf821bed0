#include "FakeDialogs.h"
#include "platform/PrintQueue.h"
#include "platform/Printers.h"
#include "platform/ReportJob.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>

#include <optional>

#include <gtest/gtest.h>

// Against a real CUPS server, where one answers and lets the test add a queue
// of its own; skipped elsewhere. The queue points at a port where nothing
// listens and is removed at the end with any job left in it.
namespace {

// Runs a CUPS command and gives its output; empty when it is missing, fails or does not answer.
std::optional<QString> Cups(const QString& program, const QStringList& arguments) {
    const QString path = QStandardPaths::findExecutable(program, {"/usr/sbin", "/usr/bin"});
    if (path.isEmpty()) {
        return std::nullopt;
    }
    QProcess process;
    process.start(path, arguments);
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(1000);
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        return std::nullopt;
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

class CupsQueue : public ::testing::Test {
protected:
    void SetUp() override {
        std::optional<QString> scheduler = Cups("lpstat", {"-r"});
        if (!scheduler || !scheduler->contains("scheduler is running")) {
            GTEST_SKIP() << "no CUPS server answers";
        }
        if (!Cups("lpadmin", {"-p", name, "-E", "-v", "socket://127.0.0.1:9"})) {
            GTEST_SKIP() << "CUPS does not let this test add a queue";
        }
        added = true;
    }
    void TearDown() override {
        if (added) {
            Cups("cancel", {"-a", name});
            Cups("lpadmin", {"-x", name});
        }
        Printers::SetSystemForTests(nullptr);
    }

    // The message a report printed on the test queue shows; empty when none.
    QString PrintAndTell() {
        FakeDialogs user;
        Printers::SetCurrent(name);
        PrintReport(
            "Test Report",
            [](TwipsPrinter& printer) {
                printer.PrintLine("One line");
                printer.EndDoc();
            },
            ErrorStyle::Titled);
        return user.shown.empty() ? QString() : user.shown.front().text;
    }

    QString Jobs() { return Cups("lpstat", {"-W", "all", "-o", name}).value_or("?"); }

    const QString name = QString("tarnwell-test-%1").arg(QCoreApplication::applicationPid());
    bool added = false;
};

} // namespace

TEST_F(CupsQueue, ARefusingStoppedOrRemovedQueueIsToldAndGetsNoJob) {
    ASSERT_TRUE(Cups("cupsreject", {name}));
    EXPECT_EQ(PrintAndTell(), "The printer " + name + " does not accept jobs, 482");

    ASSERT_TRUE(Cups("cupsaccept", {name}));
    ASSERT_TRUE(Cups("cupsdisable", {name}));
    EXPECT_EQ(PrintAndTell(), "The printer " + name + " is stopped, 482");
    EXPECT_EQ(Jobs(), "");

    Printers::SetCurrent(name);
    ASSERT_TRUE(Cups("lpadmin", {"-x", name}));
    FakeDialogs user;
    PrintReport(
        "Test Report", [](TwipsPrinter& printer) { printer.PrintLine("One line"); },
        ErrorStyle::Titled);
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text, "The printer " + name + " is not available, 482");
}

// The job waits in the queue, its printer never answering, until the test
// removes it.
TEST_F(CupsQueue, AReadyQueueTakesOneJob) {
    EXPECT_EQ(PrintAndTell(), "");
    EXPECT_EQ(Jobs().count(name + "-"), 1) << Jobs().toStdString();
}
