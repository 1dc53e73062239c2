// Benchmarks of the stages on large strings. Each figure is best read as a ratio against
// WalkString, which visits every module of a string of the same size in the same run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include "app/lsystem.h"
#include "derivation/derive.h"
#include "derivation/evaluator.h"
#include "derivation/rule_matching.h"
#include "description/rule.h"
#include "scene/write_pov_file.h"
#include "turtle/make_poly_liste.h"

namespace lsys {
namespace {

std::unique_ptr<LSystem> makeSystem(const std::string& axiom, const char* const rules[], int steps,
                                    const std::string& ignore = "") {
  auto lsystem = std::make_unique<LSystem>();
  auto modules = std::make_unique<ModuleString>();
  modules->parseModules("axiom=" + axiom + "\n");
  lsystem->setAxiom(std::move(modules));
  for (int i = 0; rules[i] != nullptr; ++i) {
    auto rule = std::make_unique<Rule>();
    rule->parse(rules[i]);
    lsystem->addRule(std::move(rule));
  }
  for (char symbol : ignore) lsystem->addContextSymbol(symbol);
  for (int i = 0; i < steps; ++i) rewritePass(*lsystem);
  return lsystem;
}

const char* const kPlantRules[] = {"F->F[+F]F[-F]F", nullptr};
const char* const kHogewegRules[] = {
    "0<0>0->0", "0<0>1->1[+F1F1]", "0<1>0->1", "0<1>1->1", "1<0>0->0", "1<0>1->1F1",
    "1<1>0->0", "1<1>1->0",        "+->-",     "-->+",     nullptr};
const char* const kTreeRules[] = {"A(l,w)->!(w)F(l)[&(45)B(l*0.6,w*0.707)]/(137.5)A(l*0.9,w*0.707)",
                                  "B(l,w)->!(w)F(l)[-(45)$C(l*0.6,w*0.707)]C(l*0.9,w*0.707)",
                                  "C(l,w)->!(w)F(l)[+(45)$B(l*0.6,w*0.707)]B(l*0.9,w*0.707)",
                                  nullptr};

// Plant a of six steps: 39,061 modules.
void WalkString(benchmark::State& state) {
  auto lsystem = makeSystem("F", kPlantRules, 6);
  for (auto _ : state) {
    unsigned sum = 0;
    for (const Module m : *lsystem->current) sum += static_cast<unsigned char>(m.symbol);
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(lsystem->current->size()));
}
BENCHMARK(WalkString);

void RewritePlant(benchmark::State& state) {
  auto lsystem = makeSystem("F", kPlantRules, 5);
  for (auto _ : state) {
    rewritePass(*lsystem);
    state.PauseTiming();
    lsystem = makeSystem("F", kPlantRules, 5);
    state.ResumeTiming();
  }
}
BENCHMARK(RewritePlant);

// Rewrites the current generation again and again, keeping it as the source.
void rewriteRepeatedly(benchmark::State& state, LSystem& lsystem) {
  Evaluator evaluator(lsystem.console());
  for (auto _ : state) {
    ModuleString target;
    ModuleRewriter rewriter(lsystem, *lsystem.current, evaluator);
    rewriter.rewriteAll(target);
    benchmark::DoNotOptimize(target.size());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(lsystem.current->size()));
}

void RewriteContextSensitive(benchmark::State& state) {
  rewriteRepeatedly(state, *makeSystem("F1F1F1", kHogewegRules, 24, "+-F"));
}
BENCHMARK(RewriteContextSensitive);

void RewriteParametric(benchmark::State& state) {
  rewriteRepeatedly(state, *makeSystem("A(1,10)", kTreeRules, 12));
}
BENCHMARK(RewriteParametric);

void InterpretPlant(benchmark::State& state) {
  auto lsystem = makeSystem("F", kPlantRules, 6);
  for (auto _ : state) MakePolyListe(*lsystem);
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(lsystem->current->size()));
}
BENCHMARK(InterpretPlant);

void WritePlantScene(benchmark::State& state) {
  auto lsystem = makeSystem("F", kPlantRules, 6);
  MakePolyListe(*lsystem);
  for (auto _ : state) WritePovFile(*lsystem, "/dev/null");
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(lsystem->current->size()));
}
BENCHMARK(WritePlantScene);

}  // namespace
}  // namespace lsys

int main(int argc, char** argv) {
  // The stages report on standard output; the benchmark's own table goes to standard error.
  benchmark::Initialize(&argc, argv);
  if (std::freopen("/dev/null", "w", stdout) == nullptr) return 1;
  benchmark::ConsoleReporter reporter;
  reporter.SetOutputStream(&std::cerr);
  reporter.SetErrorStream(&std::cerr);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
