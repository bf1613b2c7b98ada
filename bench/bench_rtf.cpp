// Reading a generated RTF document of about 1 MB (paragraphs with mixed fonts, sizes, colours,
// bold and italic runs, alignment and bullets) into a QTextDocument, against Qt's own HTML import
// (QTextDocument::setHtml) of the same content in the same run.
#include "bench/RtfBenchContent.h"
#include "framework/rtf/RtfReader.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>

namespace {

const RtfBench::TContent& Content() {
    static const RtfBench::TContent content = RtfBench::MakeContent(1 << 20);
    return content;
}

void BM_RtfRead(benchmark::State& state) {
    TRtfReader reader;
    int blocks = 0;
    for (auto _ : state) {
        QTextDocument doc;
        if (!reader.Read(Content().Rtf, &doc)) state.SkipWithError("RTF rejected");
        blocks = doc.blockCount();
    }
    state.counters["blocks"] = blocks;
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(Content().Rtf.size()));
}

// The parse alone (no document): what BM_RtfRead spends beyond it is the document build.
void BM_RtfParse(benchmark::State& state) {
    TRtfReader reader;
    for (auto _ : state)
        if (!reader.Read(Content().Rtf, nullptr)) state.SkipWithError("RTF rejected");
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(Content().Rtf.size()));
}

void BM_QtHtmlImport(benchmark::State& state) {
    int blocks = 0;
    for (auto _ : state) {
        QTextDocument doc;
        doc.setHtml(Content().Html);
        blocks = doc.blockCount();
    }
    state.counters["blocks"] = blocks;
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(Content().Html.size()));
}

BENCHMARK(BM_RtfRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RtfParse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QtHtmlImport)->Unit(benchmark::kMillisecond);

// Prints the time of each, the RTF rate and the ratio.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        // CPU time: the machine is shared, and wall time would count other processes.
        for (const auto& r : runs)
            FTimes[r.benchmark_name()] = r.GetAdjustedCPUTime();
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const double rtf = FTimes["BM_RtfRead"], html = FTimes["BM_QtHtmlImport"];
        const double mbPerS = rtf > 0 ? double(Content().Rtf.size()) / (1 << 20) / (rtf / 1000) : 0;
        std::printf("\nRTF read %.1f ms CPU (%.1f MB/s, goal >= 50), Qt HTML import of the same "
                    "content %.1f ms CPU: RTF takes %.2f of the HTML time (goal <= 0.2)\n",
                    rtf, mbPerS, html, html > 0 ? rtf / html : 0);
    }

private:
    std::map<std::string, double> FTimes;
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
