// Benchmarks of the stages on large strings. Each figure is best read as a ratio against
// WalkString, which visits every module of a string of the same size in the same run.
#include <benchmark/benchmark.h>
#include "description/parse_modules.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <string>

#include "app/lsystem.h"
#include "app/run_program.h"
#include "common/output.h"
#include "derivation/derive.h"
#include "derivation/evaluator.h"
#include "derivation/rule_matching.h"
#include "description/load_description.h"
#include "description/rule.h"
#include "scene/write_pov_file.h"
#include "turtle/make_poly_liste.h"

namespace lsys {
namespace {

std::unique_ptr<LSystem> makeSystem(const std::string& axiom, const char* const rules[], int steps,
                                    const std::string& ignore = "") {
  auto lsystem = std::make_unique<LSystem>();
  auto modules = std::make_unique<ModuleString>();
  ParseModules("axiom=" + axiom + "\n", 6, *modules);
  lsystem->setAxiom(std::move(modules));
  for (int i = 0; rules[i] != nullptr; ++i) {
    auto rule = std::make_unique<Rule>();
    rule->read(rules[i]);
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

// One rewrite pass whose left-context searches pass over the module's own symbol (ignore=B,
// A<B->C on A and a run of B): linear searches make 128k modules take twice as long as 64k.
void contextPass(benchmark::State& state, std::size_t modules) {
  const char* const rules[] = {"A<B->C", "B>D->E", nullptr};
  auto lsystem = makeSystem("A" + std::string(modules, 'B'), rules, 0, "B");
  Evaluator evaluator(lsystem->console());
  for (auto _ : state) {
    ModuleString target;
    ModuleRewriter rewriter(*lsystem, *lsystem->current, evaluator);
    rewriter.rewriteAll(target);
    benchmark::DoNotOptimize(target.size());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(modules));
}
void ContextPass64k(benchmark::State& state) { contextPass(state, 1 << 16); }
void ContextPass128k(benchmark::State& state) { contextPass(state, 1 << 17); }
BENCHMARK(ContextPass64k);
BENCHMARK(ContextPass128k);

// A whole run of plant 1.24a (6 steps) against writing the same report and scene bytes from
// memory: the cost of deriving, interpreting and formatting beyond the bare writes.
const char* const kPlantDescription = "axiom=F\ngamma=25.7\nsteps=6\nF->F[+F]F[-F]F\n";

std::string scratchPath(const char* name) {
  return (std::filesystem::temp_directory_path() / name).string();
}

void WholeRunPlant(benchmark::State& state) {
  const std::string description = scratchPath("lsys_bench_plant.ls");
  const std::string scene = scratchPath("lsys_bench_plant.pov");
  std::ofstream(description) << kPlantDescription;
  const char* const argv[] = {"lsys2pov", description.c_str(), scene.c_str()};
  for (auto _ : state) {
    RunProgram(3, argv);
    std::fflush(stdout);
  }
}
BENCHMARK(WholeRunPlant);

void WritePlantBytes(benchmark::State& state) {
  // The bytes of one whole run, taken from a run made beforehand.
  const std::string description = scratchPath("lsys_bench_plant.ls");
  const std::string scene = scratchPath("lsys_bench_plant.pov");
  std::ofstream(description) << kPlantDescription;
  std::string report;
  {
    auto lsystem = std::make_unique<LSystem>();
    Output console = Output::ToString(report);
    lsystem->setConsole(console);
    LoadDescription(*lsystem, description);
    Derive(*lsystem);
    MakePolyListe(*lsystem);
    WritePovFile(*lsystem, scene);
  }
  std::ifstream in(scene, std::ios::binary);
  const std::string sceneBytes((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
  for (auto _ : state) {
    std::fwrite(report.data(), 1, report.size(), stdout);
    std::fflush(stdout);
    std::FILE* file = std::fopen(scene.c_str(), "wb");
    if (file == nullptr) break;
    std::fwrite(sceneBytes.data(), 1, sceneBytes.size(), file);
    std::fclose(file);
  }
}
BENCHMARK(WritePlantBytes);

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
