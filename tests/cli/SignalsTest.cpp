// SPDX-License-Identifier: MIT
// lodema-batch interrupted: the temporary files of the results and the plot
// go, the files they would have replaced stay, and the program ends as the
// signal ends it. A reader that goes away ends the run at once.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "tests/cli/ToolInFolder.h"

namespace Lodema::testing {
namespace {

constexpr const char* kRow = "30\t090\t60\t180\r\n";

using SignalsTest = ToolInFolderTest;

TEST_F(SignalsTest, AnInterruptedRunRemovesItsTemporaryFiles) {
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    SCOPED_TRACE(signal);
    Write("o.txt", "OLD RESULTS\n");
    Write("p.svg", "OLD PLOT\n");
    const std::string fifo = folder_.File("rows");
    ::unlink(fifo.c_str());
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const pid_t tool = ::fork();
    ASSERT_GE(tool, 0);
    if (tool == 0) {
      ::signal(signal, SIG_DFL);
      if (::chdir(folder_.File("").c_str()) != 0) ::_exit(127);
      ::execl(LODEMA_BATCH_TOOL, "lodema-batch", "--calc", "0", "--in", "rows", "--out", "o.txt",
              "--plot", "p.svg", "--quiet", static_cast<char*>(nullptr));
      ::_exit(127);
    }
    // The rows arrive but the input stays open: the run is under way, with
    // its temporary files beside the output and the plot, when the signal
    // comes.
    const int writer = ::open(fifo.c_str(), O_WRONLY);
    ASSERT_GE(writer, 0);
    std::string rows;
    // More than one read of the input, so that the rows start before the
    // input ends.
    for (int i = 0; i < 10000; ++i) rows += kRow;
    ASSERT_EQ(::write(writer, rows.data(), rows.size()), static_cast<ssize_t>(rows.size()));
    for (int wait = 0; wait < 500 && HiddenFiles().size() < 2; ++wait) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(HiddenFiles().size(), 2u);
    ::kill(tool, signal);
    int status = 0;
    ASSERT_EQ(::waitpid(tool, &status, 0), tool);
    ::close(writer);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal);
    EXPECT_TRUE(HiddenFiles().empty());
    EXPECT_EQ(Read("o.txt"), "OLD RESULTS\n");
    EXPECT_EQ(Read("p.svg"), "OLD PLOT\n");
  }
}

TEST_F(SignalsTest, ABrokenPipeEndsTheRunAtOnce) {
  // Regression: with SIGPIPE ignored every row was still worked out, then
  // blamed on the space on the drive.
  std::string rows;
  for (int i = 0; i < 200000; ++i) rows += kRow;
  Write("in.txt", rows);
  const std::string command = "cd '" + folder_.File("") +
                              "' && trap '' PIPE && bash -c \"'" LODEMA_BATCH_TOOL
                              "' --calc 0 --in in.txt 2> err.txt | head -c 1 > /dev/null; "
                              "exit \\${PIPESTATUS[0]}\"";
  const int raw = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(raw));
  EXPECT_EQ(WEXITSTATUS(raw), 1);
  EXPECT_EQ(Read("err.txt"),
            "lodema-batch: the output was closed before the run ended (broken pipe)\n");
}

}  // namespace
}  // namespace Lodema::testing
