// Reading a large generated form description: parsing alone, and parsing plus building plain
// components. Qt's counterpart in the same run is QJsonDocument::fromJson on the same tree
// written as JSON, the nearest text-to-tree reader Qt has.
#include "framework/classes/ClassRegistry.h"
#include "framework/classes/FormParser.h"
#include "framework/classes/FormReader.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <string>

namespace {

// About 1 MB: a root with nested components carrying names, tags and strings.
std::string MakeDescription(size_t targetBytes) {
    std::string s = "object Root: TComponent\n  Tag = 1\n";
    int n = 0;
    while (s.size() < targetBytes) {
        s += "  object Comp" + std::to_string(n) + ": TComponent\n";
        s += "    Tag = " + std::to_string(n * 7 - 1000) + "\n";
        s += "    object Inner" + std::to_string(n) + ": TComponent\n";
        s += "      Tag = $" + std::to_string(100000 + n) + "\n";
        s += "    end\n  end\n";
        ++n;
    }
    s += "end\n";
    return s;
}

std::string MakeJson(size_t targetBytes) {
    std::string s = "{\"name\":\"Root\",\"class\":\"TComponent\",\"Tag\":1,\"children\":[";
    int n = 0;
    while (s.size() < targetBytes) {
        if (n) s += ',';
        s += "{\"name\":\"Comp" + std::to_string(n) +
             "\",\"class\":\"TComponent\",\"Tag\":" + std::to_string(n * 7 - 1000) +
             ",\"children\":[{\"name\":\"Inner" + std::to_string(n) +
             "\",\"class\":\"TComponent\",\"Tag\":" + std::to_string(100000 + n) + "}]}";
        ++n;
    }
    return s + "]}";
}

const std::string& Text() {
    static const std::string text = MakeDescription(1 << 20);
    return text;
}

void BM_FormParse(benchmark::State& state) {
    for (auto _ : state) {
        auto tree = TFormParser::Parse(Text(), "bench");
        benchmark::DoNotOptimize(tree);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(Text().size()));
}

void BM_FormParseAndBuild(benchmark::State& state) {
    RegisterClasses({TComponent::StaticClassType()});
    for (auto _ : state) {
        std::unique_ptr<TComponent> root(TFormReader::ReadNew(Text(), "bench", nullptr));
        benchmark::DoNotOptimize(root.get());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(Text().size()));
}

void BM_QtJsonParse(benchmark::State& state) {
    const QByteArray json = QByteArray::fromStdString(MakeJson(Text().size()));
    for (auto _ : state) {
        auto doc = QJsonDocument::fromJson(json);
        benchmark::DoNotOptimize(doc);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(json.size()));
}

BENCHMARK(BM_FormParse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FormParseAndBuild)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QtJsonParse)->Unit(benchmark::kMillisecond);

// Prints MB/s of each and the ratios against Qt's reader.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const auto& r : runs) {
            const double seconds = r.GetAdjustedRealTime() / 1e3; // ms -> s
            const auto it = r.counters.find("bytes_per_second");
            if (it != r.counters.end()) FRates[r.benchmark_name()] = it->second.value / 1e6;
            (void)seconds;
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const double parse = FRates["BM_FormParse"], build = FRates["BM_FormParseAndBuild"];
        const double qt = FRates["BM_QtJsonParse"];
        std::printf("\nform description parse: %.1f MB/s (goal 100), parse+build: %.1f MB/s "
                    "(goal 20)\nQt JSON parse: %.1f MB/s; ratio parse/Qt %.2f, "
                    "parse+build/Qt %.2f\n",
                    parse, build, qt, qt > 0 ? parse / qt : 0, qt > 0 ? build / qt : 0);
    }

private:
    std::map<std::string, double> FRates;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
