// Cost of building a Translation, which several pages do: a catalogue per
// language of TARVIX_BENCH_MESSAGES messages (default 5000), parsed from .ts
// files on disk; and of one lookup in such a catalogue.
#include "translation/supportedlocales.h"
#include "translation/translation.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string sourceText(int i)
{
    return "Rule " + std::to_string(i) + ": suspicious change of a monitored system file";
}

// A locale tree with a catalogue per language of `messages` entries, removed again at the end.
class LocaleTree
{
public:
    explicit LocaleTree(int messages)
    {
        std::string pattern = (fs::temp_directory_path() / "bench-translation-XXXXXX").string();
        m_root = mkdtemp(pattern.data()) ? pattern : std::string();
        for (const SupportedLocale &supported : SUPPORTED_LOCALES) {
            const char *locale = supported.name;
            const fs::path dir = fs::path(m_root) / locale / "LC_MESSAGES";
            fs::create_directories(dir);
            std::ofstream out(dir / (std::string("tarvix_") + locale + ".ts"));
            out << "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.1\" "
                   "language=\""
                << locale << "\">\n";
            for (int i = 0; i < messages; ++i) {
                if (i % 500 == 0) {
                    out << (i ? "</context>\n" : "") << "<context>\n    <name>rules" << i / 500
                        << "</name>\n";
                }
                out << "    <message>\n        <location filename=\"rules.xml\" line=\"" << i << "\"/>\n"
                    << "        <source>" << sourceText(i) << "</source>\n"
                    << "        <translation>规则 " << i << "：受监控的系统文件发生可疑更改</translation>\n"
                    << "    </message>\n";
            }
            out << (messages ? "</context>\n" : "") << "</TS>\n";
        }
    }
    ~LocaleTree()
    {
        std::error_code ignored;
        if (!m_root.empty()) {
            fs::remove_all(m_root, ignored);
        }
    }
    const std::string &root() const { return m_root; }

private:
    std::string m_root;
};

int messageCount()
{
    const char *count = std::getenv("TARVIX_BENCH_MESSAGES");
    return count ? std::atoi(count) : 5000;
}

void constructTranslation(benchmark::State &state)
{
    const LocaleTree tree(messageCount());
    for (auto _ : state) {
        Translation translation("zh_CN", tree.root());
        benchmark::DoNotOptimize(translation);
    }
    state.SetLabel("4 x " + std::to_string(messageCount()) + " messages");
}
BENCHMARK(constructTranslation)->Unit(benchmark::kMillisecond);

// One of the four: what a Translation would cost if it read only the
// catalogue of the user's language.
void loadOneCatalogue(benchmark::State &state)
{
    const LocaleTree tree(messageCount());
    const std::string path = tree.root() + "/zh_CN/LC_MESSAGES/tarvix_zh_CN.ts";
    const auto bytes = fs::file_size(path);
    Translation::Catalogue catalogue;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Translation::loadCatalogue(path, catalogue));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(loadOneCatalogue)->Unit(benchmark::kMillisecond);

void translateText(benchmark::State &state)
{
    const int messages = messageCount();
    const LocaleTree tree(messages);
    const Translation translation("zh_CN", tree.root());
    const std::string text = sourceText(messages / 2);
    if (translation.translate(text.c_str()).empty()) {
        state.SkipWithError("catalogue not loaded");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(translation.translate(text.c_str()));
    }
}
BENCHMARK(translateText);

} // namespace

BENCHMARK_MAIN();
