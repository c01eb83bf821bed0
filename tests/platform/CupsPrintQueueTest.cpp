#include "platform/CupsPrintQueue.h"

#include "FakeDialogs.h"
#include "platform/Printers.h"
#include "platform/ReportJob.h"

#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

// The print queue over a fake CUPS library that answers each call as the test
// sets and records what it was asked, so every answer of a real server can be
// tried where none runs.
namespace {

using Options = std::map<std::string, std::string>;

struct FakeCups {
    // Answers.
    std::map<std::string, Options> queues; // by queue name, with the printer's attributes
    int job = 17;                          // 0: no job is created
    http_status_t startAnswer = HTTP_STATUS_CONTINUE;
    http_status_t writeAnswer = HTTP_STATUS_CONTINUE;
    ipp_status_t finishAnswer = IPP_STATUS_OK;
    std::string lastError;

    // What was asked.
    std::vector<std::string> calls;
    std::string askedInstance;
    std::string title;
    std::string format;
    QByteArray written;

    // Destinations handed out and not yet freed, with the texts they point into.
    struct Dest {
        cups_dest_t dest{};
        std::vector<std::string> texts;
        std::vector<cups_option_t> options;
    };
    std::map<cups_dest_t*, std::unique_ptr<Dest>> dests;
};

FakeCups* fake = nullptr;

cups_dest_t* GetNamedDest(http_t*, const char* name, const char* instance) {
    fake->askedInstance = instance ? instance : "";
    auto queue = fake->queues.find(name);
    if (queue == fake->queues.end()) {
        return nullptr;
    }
    auto dest = std::make_unique<FakeCups::Dest>();
    dest->texts.reserve(2 * queue->second.size() + 1);
    dest->texts.push_back(name);
    dest->dest.name = dest->texts.back().data();
    for (const auto& [option, value] : queue->second) {
        dest->texts.push_back(option);
        char* optionName = dest->texts.back().data();
        dest->texts.push_back(value);
        dest->options.push_back({optionName, dest->texts.back().data()});
    }
    dest->dest.num_options = static_cast<int>(dest->options.size());
    dest->dest.options = dest->options.data();
    cups_dest_t* handedOut = &dest->dest;
    fake->dests[handedOut] = std::move(dest);
    return handedOut;
}

const char* GetOption(const char* name, int count, cups_option_t* options) {
    for (int i = 0; i < count; ++i) {
        if (std::strcmp(options[i].name, name) == 0) {
            return options[i].value;
        }
    }
    return nullptr;
}

void FreeDests(int count, cups_dest_t* dests) {
    EXPECT_EQ(count, 1);
    EXPECT_EQ(fake->dests.erase(dests), 1u) << "freed a destination never handed out";
}

int CreateJob(http_t*, const char* name, const char* title, int, cups_option_t*) {
    fake->calls.push_back(std::string("create ") + name);
    fake->title = title;
    return fake->job;
}

http_status_t StartDocument(http_t*, const char* name, int job, const char* docname,
                            const char* format, int last) {
    fake->calls.push_back("start " + std::string(name) + " " + std::to_string(job) +
                          (last ? " last" : ""));
    EXPECT_EQ(fake->title, docname);
    fake->format = format;
    return fake->startAnswer;
}

http_status_t WriteRequestData(http_t*, const char* buffer, size_t length) {
    fake->calls.push_back("write");
    fake->written.append(buffer, static_cast<qsizetype>(length));
    return fake->writeAnswer;
}

ipp_status_t FinishDocument(http_t*, const char* name) {
    fake->calls.push_back(std::string("finish ") + name);
    return fake->finishAnswer;
}

ipp_status_t CancelJob(http_t*, const char* name, int job, int purge) {
    fake->calls.push_back("cancel " + std::string(name) + " " + std::to_string(job) +
                          (purge ? " purge" : ""));
    return IPP_STATUS_OK;
}

const char* LastErrorString() {
    return fake->lastError.c_str();
}

const CupsLibrary fakeLibrary{
    .cupsGetNamedDest = GetNamedDest,
    .cupsGetOption = GetOption,
    .cupsFreeDests = FreeDests,
    .cupsCreateJob = CreateJob,
    .cupsStartDocument = StartDocument,
    .cupsWriteRequestData = WriteRequestData,
    .cupsFinishDocument = FinishDocument,
    .cupsCancelJob2 = CancelJob,
    .cupsLastErrorString = LastErrorString,
};

const Options ready{{"printer-state", "3"}, {"printer-is-accepting-jobs", "true"}};

class CupsPrintQueueTest : public ::testing::Test {
protected:
    CupsPrintQueueTest() {
        fake = &cups;
        cups.queues["Office Laser"] = ready;
        Printers::SetSystemForTests(&system);
    }
    ~CupsPrintQueueTest() override {
        Printers::SetSystemForTests(nullptr);
        EXPECT_TRUE(cups.dests.empty()) << "a destination was not freed";
        fake = nullptr;
    }

    // The message a one-page report printed on the current printer shows; empty when none.
    QString PrintAndTell() {
        FakeDialogs user;
        PrintReport(
            "Test Report", [](TwipsPrinter& printer) { printer.PrintLine("One line"); },
            ErrorStyle::Titled);
        return user.shown.empty() ? QString() : user.shown.front().text;
    }

    FakeCups cups;
    std::unique_ptr<PrintQueue> queue = MakeCupsPrintQueue(fakeLibrary);
    Printers::System system{{"Office Laser"}, "Office Laser", queue.get()};
};

} // namespace

TEST_F(CupsPrintQueueTest, AReadyQueueTakesTheReportAsOnePdfDocumentOfItsJob) {
    EXPECT_EQ(PrintAndTell(), "");
    EXPECT_EQ(cups.calls,
              (std::vector<std::string>{"create Office Laser", "start Office Laser 17 last",
                                        "write", "finish Office Laser"}));
    EXPECT_EQ(cups.title, "Tarnwell - Test Report");
    EXPECT_EQ(cups.format, "application/pdf");
    EXPECT_TRUE(cups.written.startsWith("%PDF-"));
    EXPECT_TRUE(cups.written.trimmed().endsWith("%%EOF"));
}

// What the printer's attributes say decides before the report runs whether it
// can take a job; one that does not tell is taken as ready.
TEST_F(CupsPrintQueueTest, TheStateAndAcceptingJobsOfThePrinterDecideWhetherItTakesTheJob) {
    struct Case {
        Options attributes;
        const char* text;
    };
    const Case cases[] = {
        {ready, ""},
        {{}, ""},
        {{{"printer-state", "4"}, {"printer-is-accepting-jobs", "true"}}, ""},
        {{{"printer-state", "5"}, {"printer-is-accepting-jobs", "true"}},
         "The printer Office Laser is stopped, 482"},
        {{{"printer-state", "5"}}, "The printer Office Laser is stopped, 482"},
        {{{"printer-state", "3"}, {"printer-is-accepting-jobs", "false"}},
         "The printer Office Laser does not accept jobs, 482"},
        {{{"printer-is-accepting-jobs", "false"}},
         "The printer Office Laser does not accept jobs, 482"},
        {{{"printer-state", "5"}, {"printer-is-accepting-jobs", "false"}},
         "The printer Office Laser does not accept jobs, 482"},
    };
    for (const auto& c : cases) {
        cups.queues["Office Laser"] = c.attributes;
        cups.calls.clear();
        const QString text = PrintAndTell();
        EXPECT_EQ(text.toStdString(), c.text);
        EXPECT_EQ(cups.calls.empty(), text != "") << c.text;
        EXPECT_TRUE(cups.dests.empty()) << c.text;
    }
}

// A job the queue does not take whole is cancelled, with the server's reason
// in the message; a job that could not be created leaves nothing to cancel.
TEST_F(CupsPrintQueueTest, AQueueThatRefusesTheDocumentIsToldAndItsJobCancelled) {
    const std::vector<std::string> whole{"create Office Laser", "start Office Laser 17 last",
                                         "write", "finish Office Laser"};
    std::vector<std::string> cancelled = whole;
    cancelled.push_back("cancel Office Laser 17 purge");
    struct Case {
        int job;
        http_status_t start;
        http_status_t write;
        ipp_status_t finish;
        const char* error;
        const char* text;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {0,
         HTTP_STATUS_CONTINUE,
         HTTP_STATUS_CONTINUE,
         IPP_STATUS_OK,
         "Forbidden",
         "The printer Office Laser could not start the job: Forbidden, 482",
         {"create Office Laser"}},
        {17,
         HTTP_STATUS_ERROR,
         HTTP_STATUS_CONTINUE,
         IPP_STATUS_OK,
         "Connection refused",
         "The printer Office Laser did not accept the document: Connection refused, 482",
         {"create Office Laser", "start Office Laser 17 last", "cancel Office Laser 17 purge"}},
        {17, HTTP_STATUS_CONTINUE, HTTP_STATUS_ERROR, IPP_STATUS_ERROR_INTERNAL, "Broken pipe",
         "The printer Office Laser did not accept the document: Broken pipe, 482", cancelled},
        {17, HTTP_STATUS_CONTINUE, HTTP_STATUS_CONTINUE,
         IPP_STATUS_ERROR_DOCUMENT_FORMAT_NOT_SUPPORTED, "Unsupported document-format.",
         "The printer Office Laser did not accept the document: Unsupported document-format., "
         "482",
         cancelled},
        {17, HTTP_STATUS_CONTINUE, HTTP_STATUS_CONTINUE, IPP_STATUS_REDIRECTION_OTHER_SITE,
         "Redirected", "The printer Office Laser did not accept the document: Redirected, 482",
         cancelled},
        {17, HTTP_STATUS_CONTINUE, HTTP_STATUS_CONTINUE, IPP_STATUS_CUPS_INVALID, "Unknown",
         "The printer Office Laser did not accept the document: Unknown, 482", cancelled},
        // Successful with attributes ignored or substituted: the job stands.
        {17, HTTP_STATUS_CONTINUE, HTTP_STATUS_CONTINUE, IPP_STATUS_OK_IGNORED_OR_SUBSTITUTED, "",
         "", whole},
    };
    for (const auto& c : cases) {
        cups.job = c.job;
        cups.startAnswer = c.start;
        cups.writeAnswer = c.write;
        cups.finishAnswer = c.finish;
        cups.lastError = c.error;
        cups.calls.clear();
        EXPECT_EQ(PrintAndTell().toStdString(), c.text);
        EXPECT_EQ(cups.calls, c.calls) << c.text;
    }
}

TEST_F(CupsPrintQueueTest, JobsGoToThePrinterOfAnInstanceAndItsStateIsAskedOfTheInstance) {
    Printers::System instances{
        {"Office Laser", "Office Laser/draft"}, "Office Laser/draft", queue.get()};
    Printers::SetSystemForTests(&instances);
    EXPECT_EQ(PrintAndTell(), "");
    EXPECT_EQ(cups.askedInstance, "draft");
    EXPECT_EQ(cups.calls.front(), "create Office Laser");
}

// The current printer stays when it leaves the system; printing on it tells
// that it is gone.
TEST_F(CupsPrintQueueTest, ACurrentPrinterRemovedFromTheSystemIsToldAndGetsNoJob) {
    cups.queues.clear();
    Printers::ChangeSystemForTests({{}, "", queue.get()});
    EXPECT_EQ(Printers::Current(), "Office Laser");
    EXPECT_EQ(PrintAndTell(), "The printer Office Laser is not available, 482");
    EXPECT_TRUE(cups.calls.empty());
}

TEST_F(CupsPrintQueueTest, WithoutTheLibraryNoPrinterIsAvailable) {
    std::unique_ptr<PrintQueue> missing = MakeCupsPrintQueue(std::nullopt);
    Printers::System noLibrary{{"Office Laser"}, "Office Laser", missing.get()};
    Printers::SetSystemForTests(&noLibrary);
    EXPECT_EQ(PrintAndTell(), "The printer Office Laser is not available, 482");
    EXPECT_THROW(missing->Submit("Office Laser", "Test", "%PDF-"), AppError);
    EXPECT_TRUE(cups.calls.empty());
}
