// Opening named files, and the command files that are opened through it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <thread>

#include "gral/cmdfile.h"
#include "gral/fdbuffers.h"
#include "gral/fileopen.h"
#include "gral/platform.h"
#include "gral/prompts.h"
#include "gral/runend.h"
#include "gral/signals.h"
#include "gral/units.h"
#include "records/fixedtext.h"
#include "support/blocked.h"
#include "support/expect.h"
#include "support/keyboard_pipe.h"
#include "support/signal_in_call.h"

using namespace testing_support;

// After a failure the name is left as it was.
TEST(Opef1, FailureByModeAndStopLevel) {
  const std::string failed = " FAILED TO OPEN plot init FILE", proceed = " => Proceeding";
  // mode, stop level, keyboard, exit status, lines shown in this order (nothing shown when none)
  for (auto [mode, igrav, keyboard, status, shown] :
       std::vector<std::tuple<int, int, std::string, int, Lines>>{
           {7, -1, "", -1, {}},
           {7, 0, "\n\n", -1, {name_line("***", "opef1      "), failed, " RESUME ?"}},
           {1, 1, "n\n\n", -1, {" @ subroutine opef1                 v1.1 2024-05-29", failed, " STOP ?"}},
           {1, 2, "\n", 1, {failed, " for unit =   50", " EXECUTION STOPPED BY PROGRAM"}},
           {1, -1, "", -1, {" Could not open plot init file", proceed}},
           {0,
            -1,
            "\n\nn\n",
            -1,
            {name_line("///", "opef1      "), " COULD NOT OPEN plot init FILE",
             " File name = " + fixed::fit(kMissing, 250), " ===> RETRYING TO OPEN THE FILE",
             " Retry (1) or proceed without retrying (0) ?", proceed}}}) {
    SCOPED_TRACE(std::to_string(mode) + " " + std::to_string(igrav));
    std::string name = kMissing;
    std::int32_t iostat = -5;
    const Outcome r =
        run_with(keyboard, [&] { opef1(name, "plot init", 50, "unknown", "write", mode, igrav, iostat); });
    EXPECT_EQ(std::tuple(r.status, iostat, name, r.unread), std::tuple(status, 1, kMissing, ""));
    EXPECT_TRUE(has_in_order(r.lines, shown) && r.lines.empty() == shown.empty());
    EXPECT_EQ(count(r.lines, " OPENING plot init FILE"), mode == 7 ? 0 : 1);
  }
}

// Opef1 takes the name from the command file, while the pause and the retry
// question stay at the keyboard; an empty name takes the base name at its own
// length. Opef2 asks again until a name opens, handed back at the caller's
// length, or, outside the interactive mode, stops with status 1.
TEST(Opef1, RetryAtTheKeyboardDuringACommandFileAndOpef2RetryOrStop) {
  TempDir dir;
  std::filesystem::create_directory("sub");
  std::string cmd = dir.file("cmd.txt", kMissing + "\n" + dir.file("sub/a.txt", "") + "\nnext\n"), name;
  std::int32_t iostat = -5;
  Outcome r = run_with("\ny\n", [&] {
    beginaltsi2(cmd, 1);
    opef1(name, "plot init", 50, "unknown", "write", 0, -1, iostat);
    EXPECT_EQ(gral::read_record(15), "next");
  });
  EXPECT_EQ(std::tuple(iostat, name, r.unread), std::tuple(0, "a.txt", ""));
  EXPECT_TRUE(has_in_order(
      r.lines, Lines{" ===> HIT RETURN TO RESUME COMMANDS", " Retry (1) or proceed without retrying (0) ?"}));
  const std::string announced = " @ subroutine opef2                 v5.2 2023-04-25";
  name = kMissing;
  r = run_with("\n\n" + dir.file("table.txt", "") + "\n", [&] { opef2(name, "plot init", 50, "old ", 0); });
  EXPECT_EQ(name, fixed::fit("table.txt", kMissing.size()));
  EXPECT_TRUE(
      has_in_order(r.lines, Lines{name_line("///", "opef2               "), " COULD NOT OPEN plot init FILE",
                                  " ===> RETRYING", announced, " OPENING plot init FILE"}));
  name = kMissing;
  r = run_with("\n", [&] { opef2(name, "plot init", 50, "old", 1); });
  EXPECT_EQ(std::tuple(r.status, name), std::tuple(1, kMissing));
  EXPECT_TRUE(has_in_order(
      r.lines, Lines{announced, name_line("***", "opef2               "), " ===> STOPPING EXECUTION",
                     " ===> HIT RETURN TO CONTINUE", "         &          &&&&&&&&&&&&          & "}));
}

// The main menu as far as command files go: 5000 opens their menu, 0 leaves.
// A file ends itself with 5002; command files do not nest, so 5001 inside one
// only warns and the record after it goes to the next question (read from the
// file, a question shows no default lines). 5003 asks the caller to quit even
// with no file open. A file that cannot be opened is named as cmdfile held it, not as
// typed. An unknown answer shows the menu again in mode 0; in mode 1 the
// error ending's STOP question decides.
TEST(CommandFile, MenuStartsEndsAndHandsTheQuestionToTheKeyboard) {
  TempDir dir;
  dir.file("cmds.txt", "5000\n5001\n5000\n5002\n");
  const std::string none_open = " NO OPEN COMMAND FILE", unknown = " Unknown answer irep =     77",
                    missing = " COULD NOT OPEN COMMAND FILE old.txt";
  const Lines ends{"    Command file: cmds.txt", " Level 2 standard output disabled",
                   " COMMAND FILE ALREADY OPEN", " ===> HIT RETURN TO RESUME COMMANDS",
                   " New value =          5002", " Command file cmds.txt closed"};
  // mode (also the count of STOP questions), keyboard after 5000, exit status, the file named after, the
  // menu's last answer, menus shown, blocks shown in order
  const std::tuple<int, std::string, int, std::string, int, long, Lines> cases[] = {
      {0, "5001\ncmds.txt\n\n0\n", -1, "cmds.txt", 5002, 3, ends},
      {0, "5002\n\n0\n", -1, "old.txt", 5002, 1, {none_open}},
      {0, "5003\n\n0\n", -1, "old.txt", 9999, 1, {none_open}},
      {0, "5001\n" + kMissing + "\n\nn\n\n0\n", -1, "old.txt", 5001, 1, {missing, " ==> NO ACTION"}},
      {0, "77\n99\n0\n", -1, "old.txt", 99, 2, {}},
      {1, "77\nn\n\n0\n", -1, "old.txt", 77, 1, {unknown, " ===> CANNOT PROCEED"}},
      {1, "77\n\n\n", 1, "old.txt", 77, 1, {unknown, " ===> CANNOT PROCEED"}}};
  for (auto [mode, keyboard, status, named, irep, menus, shown] : cases) {
    std::string cmdfile = fixed::fit("old.txt", 50);
    std::int32_t last = 0;
    const Outcome r = run_with("5000\n" + keyboard, [&] {
      for (std::int32_t choice = -1, st = 0; choice != 0;) {
        ininteg1(choice, "your choice", st);
        if (choice != 5000) continue;
        altsio2(cmdfile, last, mode);
        choice = last;
      }
    });
    EXPECT_EQ(
        std::tuple(r.status, cmdfile, last, count(r.lines, " START COMMAND FILE ..................5001"),
                   count(r.lines, " STOP ?"), r.unread),
        std::tuple(status, fixed::fit(named, 50), irep, menus, mode, ""))
        << keyboard;
    EXPECT_TRUE(iocom.IUNSTDIN == 5 && !iocom.LCMDOPEN && iocom.LWITO(2) && has_in_order(r.lines, shown))
        << keyboard;
  }
}

// A record keeps 64 KiB and the rest of its line is skipped. Only a regular
// file or a pipe opens for reading, and a FIFO opens at once in either
// direction: without a writer it reads as empty, without a reader it is
// refused for writing. A name holding a NUL byte opens nothing.
TEST(Units, RecordsAreBoundedAndOnlyFilesAndPipesOpenWithoutWaiting) {
  TempDir dir;
  dir.file("long.txt", std::string(100000, 'a') + "b\nnext\n");
  ASSERT_EQ(std::system("mkfifo fifo && mkdir folder && ln -s /dev/zero zeros"), 0);
  ASSERT_TRUE(gral::open_unit(15, "long.txt", "old", "read"));
  EXPECT_EQ(gral::read_record(15), std::string(65536, 'a'));
  EXPECT_EQ(gral::read_record(15), "next");
  EXPECT_EQ(gral::read_record(15), std::nullopt);
  // name, status, action, whether it opens
  const std::tuple<std::string, std::string, std::string, bool> cases[] = {
      {"fifo", "old", "read", true},     {"fifo", "unknown", "write", false},
      {"folder", "old", "read", false},  {"/dev/zero", "old", "read", false},
      {"zeros", "unknown", "", false},   {"/dev/null", "old", "read", false},
      {"made.txt", "unknown", "", true}, {std::string("str\0ess.ps", 10), "unknown", "write", false}};
  for (const auto& [name, status, action, opens] : cases) {
    EXPECT_EQ(gral::open_unit(20, name, status, action), opens) << name << " " << action;
    EXPECT_TRUE(!opens || gral::read_record(20) == std::nullopt) << name;
    gral::close_unit(20);
  }
  EXPECT_TRUE(std::filesystem::is_regular_file("made.txt"));
  // A name holding a NUL names no file, not the file its first part names.
  EXPECT_FALSE(std::filesystem::exists("str"));
}

// A file unit keeps the reason of its first lost write until its closing,
// and the run knows its output was lost. The signals of a gone reader and of
// the file-size limit are ignored here, but not by the commands the host
// runs.
TEST(Units, FirstWriteErrorKeptUntilTheCloseAndSignalsIgnoredInTheProgramOnly) {
  TempDir dir;
  Console c;
  ASSERT_TRUE(gral::open_unit(50, "kept.txt", "unknown", "write"));
  EXPECT_TRUE(gral::write_record(50, "kept"));
  EXPECT_EQ(std::pair(gral::close_unit(50), gral::output_lost()), std::pair(0, false));
  ASSERT_TRUE(gral::open_unit(50, "/dev/full", "unknown", "write"));
  EXPECT_TRUE(gral::write_record(50, "in the buffer"));
  gral::flush_units();
  EXPECT_EQ(std::pair(gral::unit_write_error(50), gral::write_record(50, "lost")), std::pair(ENOSPC, false));
  EXPECT_EQ(std::pair(gral::close_unit(50), gral::output_lost()), std::pair(ENOSPC, true));
  EXPECT_EQ(file_text("kept.txt"), "kept\n");

  struct sigaction pipe_action {};
  sigaction(SIGPIPE, nullptr, &pipe_action);
  EXPECT_EQ(pipe_action.sa_handler, SIG_IGN);
  gral::RealPlatform().run_command("grep SigIgn /proc/self/status", "ignored.txt");
  const unsigned long ignored = std::stoul(file_text("ignored.txt").substr(7), nullptr, 16);
  EXPECT_EQ(ignored & ((1ul << (SIGPIPE - 1)) | (1ul << (SIGXFSZ - 1))), 0ul);
  // Nor do they get the interrupts' wake pipe, or the descriptions of its
  // own that the keyboard and the console on pipes are read and written
  // through: they have the descriptors they had before.
  gral::RealPlatform().run_command("ls /proc/self/fd", "before.txt");
  int screen[2];
  ASSERT_EQ(pipe2(screen, O_CLOEXEC), 0);
  const int saved_screen = fcntl(1, F_DUPFD_CLOEXEC, 0);
  dup2(screen[1], 1);
  {
    KeyboardPipe keyboard;
    gral::catch_interrupts();
    gral::RealPlatform().run_command("ls /proc/self/fd", "caught.txt");
    gral::release_interrupts();
  }
  dup2(saved_screen, 1), close(saved_screen), close(screen[0]), close(screen[1]);
  EXPECT_EQ(file_text("caught.txt"), file_text("before.txt"));
}

// A command file on unit 15 that is a FIFO whose writer is slow, its first
// line written; the writer's end, or -1.
namespace {
int slow_command_file() {
  if (mkfifo("slow.cmd", 0600) != 0 || !gral::open_unit(15, "slow.cmd", "old", "read")) return -1;
  const int writer = open("slow.cmd", O_WRONLY);
  if (writer < 0 || write(writer, "first\n", 6) == 6) return writer;
  close(writer);
  return -1;
}
}  // namespace

// A file being written goes out when a read is about to wait, and only then:
// a command file that is a pipe with its next line already there costs the
// file no write.
TEST(Units, FilesAreWrittenThroughOnlyBeforeAReadWaits) {
  TempDir dir;
  const int writer = slow_command_file();
  ASSERT_GE(writer, 0);
  ASSERT_TRUE(gral::open_unit(50, "drawn.txt", "unknown", "write"));
  EXPECT_TRUE(gral::write_record(50, "drawn"));
  EXPECT_EQ(gral::read_record(15), "first");
  EXPECT_EQ(file_text("drawn.txt"), "");
  std::string while_waiting;
  std::thread later([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    while_waiting = file_text("drawn.txt");
    (void)!write(writer, "second\n", 7);
  });
  EXPECT_EQ(gral::read_record(15), "second");
  later.join();
  EXPECT_EQ(while_waiting, "drawn\n");
  close(writer);
  gral::close_unit(15);
  gral::close_unit(50);
}

// The name of a plot file swapped between the file in use and another while
// the plot file is opened on it, again and again: the file in use never
// loses its text, whichever file the name led to.
TEST(Units, AFileInUseSurvivesANameSwappedWhileItIsOpened) {
  TempDir dir;
  dir.file("in_use.cmd", "answers\n");
  dir.file("other.txt", "");
  ASSERT_TRUE(gral::open_unit(15, "in_use.cmd", "old", "read"));
  ASSERT_EQ(symlink("other.txt", "name"), 0);
  std::atomic<bool> done = false;
  std::thread swapper([&] {
    for (bool in_use = true; !done; in_use = !in_use) {
      (void)!symlink(in_use ? "in_use.cmd" : "other.txt", "next");
      (void)!rename("next", "name");
    }
  });
  for (int i = 0; i < 3000 && file_text("in_use.cmd") == "answers\n"; ++i) {
    gral::open_unit(50, "name", "unknown", "write");
    gral::close_unit(50);
  }
  done = true;
  swapper.join();
  EXPECT_EQ(file_text("in_use.cmd"), "answers\n");
  gral::close_unit(15);
}

// An interrupt placed in the very call it must meet, at a keyboard that a
// program feeds or a person types at: before the wait, during it or as it
// returns, with an answer, a half line or the end of the input coming with
// it; in the read, with the line there, or gone before it (a terminal
// empties its input at Ctrl-C, another reader takes it). No line read then
// is an answer: the run ends at the question, by the signal. A terminal
// that hangs up is SIGHUP, unless SIGHUP is ignored: then the input ended.
// A wait that fails is the end of the input, never a wait again. Nothing
// waits on: a call found asleep with no interrupt recorded is sent one, and
// with one recorded is freed by a line typed late.
TEST(Units, AnInterruptEndsEveryWaitForAnAnswerAtOnce) {
  TempDir dir;
  std::unique_ptr<KeyboardPipe> keyboard;
  const auto answer_comes = [&] { keyboard->type("answer\n"); };
  const auto input_ends = [&] { keyboard->end_input(); };
  const auto input_emptied = [&] { keyboard->empty_input(); };
  constexpr int kTerm = 128 + SIGTERM, kHup = 128 + SIGHUP, kInputEnded = 1;
  struct Row {
    std::string typed;
    Keyboard kind;
    Placement placement;
    int status;  // the run's end
    bool hangup_ignored = false;
  };
  const Row rows[] = {
      {"", Keyboard::pipe, {.when = When::during}, kTerm},
      {"", Keyboard::pipe, {.when = When::before}, kTerm},
      {"", Keyboard::pipe, {.when = When::as_it_returns, .with = answer_comes}, kTerm},
      {"stre", Keyboard::pipe, {.when = When::as_it_returns, .with = input_ends}, kTerm},
      {std::string(70000, 'a'), Keyboard::pipe, {.when = When::during}, kTerm},
      {"", Keyboard::pipe, {.when = When::during, .call = Call::read}, kTerm},
      {"answer\n", Keyboard::pipe, {.when = When::before, .call = Call::read}, kTerm},
      {"answer\n", Keyboard::pipe, {.when = When::before, .call = Call::read, .with = input_emptied}, kTerm},
      {"answer\n",
       Keyboard::terminal,
       {.when = When::before, .call = Call::read, .with = input_emptied},
       kTerm},
      {"", Keyboard::terminal, {.when = When::never, .with = input_ends}, kHup},
      {"", Keyboard::terminal, {.when = When::never, .with = input_ends}, kInputEnded, true},
      {"", Keyboard::pipe, {.when = When::never, .fails_with = ENOMEM}, kInputEnded},
  };
  gral::run_end_hooks() = {};
  gral::set_end_of_input_status(kInputEnded);
  struct sigaction hangup_before {};
  sigaction(SIGHUP, nullptr, &hangup_before);
  for (const Row& row : rows) {
    const Placement& placement = row.placement;
    SCOPED_TRACE(row.typed.substr(0, 8) + " " + std::to_string(static_cast<int>(placement.when)) + " " +
                 std::to_string(static_cast<int>(placement.call)) + " " + std::to_string(row.status));
    keyboard = std::make_unique<KeyboardPipe>(row.kind);
    keyboard->type(row.typed);
    signal(SIGHUP, row.hangup_ignored ? SIG_IGN : SIG_DFL);
    gral::catch_interrupts();
    std::optional<std::string> answer;
    int status = -1;
    bool typed_late = false;
    {
      SignalInCall in_call(placement);
      int asleep_after = 0;
      BlockedWatch watch([](const BlockedCall& c) { return c.number == SYS_read || c.number == SYS_poll; },
                         [&](BlockedWatch& w) {
                           if (gral::interrupt_signal() == 0) return w.signal(SIGTERM);
                           if (++asleep_after == 2500) typed_late = true, keyboard->type("late\n");
                         });
      try {
        answer = gral::read_answer(5);
      } catch (const gral::RunEnd& end) {
        status = end.status;
      }
      EXPECT_EQ(std::pair(in_call.placed(), in_call.waits_outliving_the_interrupt()), std::pair(true, 0));
    }
    EXPECT_EQ(std::tuple(answer.value_or("-").substr(0, 8), status, typed_late),
              std::tuple("-", row.status, false));
    gral::release_interrupts();
    keyboard.reset();
  }
  sigaction(SIGHUP, &hangup_before, nullptr);
  gral::catch_interrupts();
  gral::release_interrupts();
}

// On a command file whose writer is slow, the interrupt in the wait ends it
// and every later read; the signal is kept until the next catch. A read that
// has its line gives it first.
TEST(Units, AnInterruptEndsAWaitingCommandFile) {
  TempDir dir;
  const int writer = slow_command_file();
  ASSERT_GE(writer, 0);
  gral::catch_interrupts();
  EXPECT_EQ(gral::read_record(15), "first");
  {
    SignalInCall in_poll({.signal = SIGTERM});
    EXPECT_EQ(gral::read_record(15), std::nullopt);
  }
  EXPECT_EQ(std::pair(gral::read_record(15), gral::interrupt_signal()),
            std::pair(std::optional<std::string>(), SIGTERM));
  gral::release_interrupts();
  gral::catch_interrupts();
  EXPECT_EQ(gral::interrupt_signal(), 0);
  gral::release_interrupts();
  close(writer);
  gral::close_unit(15);
}

namespace {
// The console on a pipe, a socket, or a terminal's master side (which,
// opened again, would be a new terminal, its slave passing every byte as it
// is), with the interrupts caught afresh; `reader` is where its reader
// reads.
enum class ConsoleKind { pipe, socket, terminal_master };
struct ConsoleOn {
  explicit ConsoleOn(ConsoleKind kind) {
    int ends[2] = {-1, -1};
    termios raw{};
    cfmakeraw(&raw);
    if (kind == ConsoleKind::terminal_master) {
      if (openpty(&ends[1], &ends[0], nullptr, &raw, nullptr) == 0)
        fcntl(ends[0], F_SETFD, FD_CLOEXEC), fcntl(ends[1], F_SETFD, FD_CLOEXEC);
    } else if (kind == ConsoleKind::socket) {
      (void)!socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends);
    } else {
      (void)!pipe2(ends, O_CLOEXEC);
    }
    writer = ends[1], reader = ends[0];
    gral::catch_interrupts();
    console = gral::console_output(writer, nullptr);
    screen.rdbuf(console.get());
  }
  ~ConsoleOn() {
    screen.rdbuf(nullptr);
    console.reset();
    // Caught afresh and released: no interrupt stays recorded for what follows.
    gral::catch_interrupts();
    gral::release_interrupts();
    close(reader), close(writer);
  }
  int writer = -1, reader = -1;
  std::unique_ptr<gral::FileOut> console;
  std::ostream screen{nullptr};
};
constexpr ConsoleKind kConsoleKinds[] = {ConsoleKind::pipe, ConsoleKind::socket,
                                         ConsoleKind::terminal_master};
}  // namespace

// A console nobody reads: the wait for room gives way to the interrupt
// placed in it, and the rest is dropped. Nothing is written that could
// wait: a write found asleep is a fault, freed by reading.
TEST(Units, AConsoleNobodyReadsGivesWayToAnInterrupt) {
  for (const ConsoleKind kind : kConsoleKinds) {
    SCOPED_TRACE(static_cast<int>(kind));
    ConsoleOn c(kind);
    ASSERT_GE(c.reader, 0);
    std::atomic<bool> freed = false;
    SignalInCall in_poll({});
    BlockedWatch watch([&](const BlockedCall& b) { return b.number == SYS_write || b.number == SYS_sendto; },
                       [&](BlockedWatch&) {
                         static char drained[1 << 16];
                         freed = read(c.reader, drained, sizeof drained) > 0 || freed;
                       });
    // Far more than any of them holds.
    for (int i = 0; i < 64; ++i) c.screen << std::string(1 << 16, 'm');
    c.screen.flush();
    EXPECT_EQ(std::tuple(in_poll.placed(), c.console->error(), freed.load()), std::tuple(true, EINTR, false));
  }
}

// What the console writes reaches the file it was given, its closing line
// after an interrupt too, where there is room for it.
TEST(Units, TheConsoleReachesItsOwnFileWithItsClosingLine) {
  for (const ConsoleKind kind : kConsoleKinds) {
    SCOPED_TRACE(static_cast<int>(kind));
    ConsoleOn c(kind);
    ASSERT_GE(c.reader, 0);
    c.screen << " Enter your choice\n" << std::flush;
    raise(SIGTERM);
    c.screen << " ===> INTERRUPTED: RUN ENDED\n" << std::flush;
    std::string got;
    char chunk[256];
    pollfd there{c.reader, POLLIN, 0};
    for (ssize_t n = 0; got.size() < 48 && poll(&there, 1, 2000) > 0 && (n = read(c.reader, chunk, 256)) > 0;)
      got.append(chunk, static_cast<std::size_t>(n));
    EXPECT_EQ(got, " Enter your choice\n ===> INTERRUPTED: RUN ENDED\n");
  }
}
