// Opening named files, and the command files that are opened through it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
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
#include "gral/signals.h"
#include "gral/units.h"
#include "records/fixedtext.h"
#include "support/blocked.h"
#include "support/expect.h"
#include "support/keyboard_pipe.h"
#include "support/signal_in_poll.h"

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
  // Nor do they get the interrupts' wake pipe: they have the descriptors
  // they had before the interrupts were caught.
  gral::RealPlatform().run_command("ls /proc/self/fd", "before.txt");
  gral::catch_interrupts();
  gral::RealPlatform().run_command("ls /proc/self/fd", "caught.txt");
  gral::release_interrupts();
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

// An interrupt placed in the very poll it must meet, at a keyboard that a
// program feeds: in the look that must not wait, before the wait, during it
// or as it returns, with an answer, a half line or the end of the input
// coming with it; and a read asleep because another reader took the line
// the look saw. No record comes of it, and nothing waits on: a read found
// asleep with the interrupt recorded is a fault, freed by a line typed late.
TEST(Units, AnInterruptEndsEveryWaitForAnAnswerAtOnce) {
  TempDir dir;
  std::unique_ptr<KeyboardPipe> keyboard;
  const auto answer_comes = [&] { keyboard->type("answer\n"); };
  const auto input_ends = [&] { keyboard->end_input(); };
  const auto another_takes_it = [] {
    char line[64];
    (void)!read(0, line, sizeof line);
  };
  const std::pair<std::string, Placement> cases[] = {
      {"", {.when = When::during, .wait = false, .fd = 0}},
      {"", {.when = When::during, .fd = 0}},
      {"", {.when = When::before, .fd = 0}},
      {"", {.when = When::as_it_returns, .fd = 0, .with = answer_comes}},
      {"stre", {.when = When::as_it_returns, .fd = 0, .with = input_ends}},
      {std::string(70000, 'a'), {.when = When::during, .fd = 0}},
      {"answer\n", {.when = When::never, .wait = false, .fd = 0, .then = another_takes_it}},
  };
  for (const auto& [typed, placement] : cases) {
    SCOPED_TRACE(typed.substr(0, 8) + " " + std::to_string(static_cast<int>(placement.when)));
    keyboard = std::make_unique<KeyboardPipe>();
    keyboard->type(typed);
    gral::catch_interrupts();
    std::optional<std::string> record;
    bool typed_late = false;
    {
      SignalInPoll in_poll(placement);
      int asleep_after = 0;
      BlockedWatch watch([](const BlockedCall& c) { return c.reads(0); },
                         [&](BlockedWatch& w) {
                           if (gral::interrupt_signal() == 0) return w.signal(SIGTERM);
                           if (++asleep_after == 2500) typed_late = true, keyboard->type("late\n");
                         });
      record = gral::read_record(5);
      EXPECT_EQ(std::pair(in_poll.placed(), in_poll.waits_outliving_the_interrupt()), std::pair(true, 0));
    }
    EXPECT_EQ(std::tuple(record.has_value(), record.value_or("").substr(0, 8), gral::interrupt_signal(),
                         typed_late),
              std::tuple(false, "", SIGTERM, false));
    gral::release_interrupts();
    keyboard.reset();
  }
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
    SignalInPoll in_poll({.signal = SIGTERM});
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

// A console nobody reads, a pipe or a socket: the wait for room gives way to
// the interrupt placed in it, and the rest is dropped. Nothing is written
// that could wait: a write found asleep is a fault, freed by reading.
TEST(Units, AConsoleNobodyReadsGivesWayToAnInterrupt) {
  for (const bool socket : {false, true}) {
    SCOPED_TRACE(socket);
    int ends[2];
    ASSERT_EQ(socket ? socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) : pipe2(ends, O_CLOEXEC), 0);
    gral::catch_interrupts();
    std::atomic<bool> freed = false;
    {
      const auto console = gral::console_output(ends[1]);
      std::ostream screen(console.get());
      SignalInPoll in_poll({});
      BlockedWatch watch([&](const BlockedCall& c) { return c.writes(ends[1]) || c.number == SYS_sendto; },
                         [&](BlockedWatch&) {
                           static char drained[1 << 16];
                           freed = read(ends[0], drained, sizeof drained) > 0 || freed;
                         });
      // Far more than either holds.
      for (int i = 0; i < 64; ++i) screen << std::string(1 << 16, 'm');
      screen.flush();
      EXPECT_EQ(std::tuple(in_poll.placed(), console->error(), freed.load()), std::tuple(true, EINTR, false));
    }
    close(ends[0]);
    close(ends[1]);
  }
  gral::catch_interrupts();
  gral::release_interrupts();
}
