#include "content/CXmlNode.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string makeDocument(int children)
{
    Xml::CXmlNode root;
    root.setName("sprite");
    for (int i = 0; i < children; ++i) {
        Xml::CXmlNode* frame = root.addChild("frame");
        frame->setInt("x", i * 32);
        frame->setInt("y", i * 7);
        frame->setFloat("delay", 0.05f);
    }
    return root.toText();
}

void BM_ParseDocument(benchmark::State& state)
{
    const std::string text = makeDocument(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Xml::CXmlNode node;
        node.load(text.data(), text.size());
        benchmark::DoNotOptimize(node.childCount());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ParseDocument)->Arg(10)->Arg(1000);

} // namespace
