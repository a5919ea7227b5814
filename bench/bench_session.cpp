// A whole session from start to quit, driven by a command file, in-process:
// the console bound to string streams, the answers in a temporary file.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "gral/hostfacts.h"
#include "gral/runend.h"
#include "gral/units.h"
#include "records/sio.h"
#include "stress/program.h"
#include "support/records.h"

namespace {

const char* const kCommands =
    "31\nn\n32\nn\n51\n2500\n52\n100\n53\n50\n54\n2600\n60\n35\n61\n0.7\n"
    "62\n3\n63\n5\n64\n20\n65\n4\n66\n80\n67\n200\n50\nn\n57\n60\n58\n25\n"
    "0\n13\n300\n5000\n5003\n";

void BM_SessionFromCommandFile(benchmark::State& state) {
  const std::string file = "bench_session_commands.txt";
  std::ofstream(file) << kCommands;
  const std::string keyboard = "\n5000\n5001\n" + file + "\n";
  std::size_t bytes = 0;
  for (auto _ : state) {
    std::istringstream in(keyboard);
    std::ostringstream out;
    gral::bind_console(in, out);
    testing_support::reset_records();
    gral::run_end_hooks() = gral::RunEndHooks{};
    int status = run_varnholt_pk();
    gral::bind_standard_console();
    if (status != 0) state.SkipWithError("session did not quit with status 0");
    bytes = out.str().size();
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["console_bytes"] = static_cast<double>(bytes);
  std::remove(file.c_str());
}
BENCHMARK(BM_SessionFromCommandFile)->Unit(benchmark::kMillisecond);

// Where the time goes: the two host facts that run a shell command each
// (processor model and kernel release) wait for a child process; the rest of
// the session is the dialogue itself.
void BM_HostFactCommands(benchmark::State& state) {
  std::ostringstream out;
  std::istringstream in;
  gral::bind_console(in, out);
  std::string cpu, os;
  for (auto _ : state) {
    hardinfo(cpu);
    osversion(os);
    benchmark::DoNotOptimize(cpu);
  }
  gral::bind_standard_console();
}
BENCHMARK(BM_HostFactCommands)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
