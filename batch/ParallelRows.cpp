// A batch run shared out to several workers. The calling thread reads the
// source into blocks of lines; each worker runs whole blocks through the row
// kernel (rows depend on nothing before them) and keeps their output lines
// in memory; a writer thread
// writes the blocks' lines in input order through the run's writer, so the
// file, the counts and any report of a write failure are those of a run
// done row after row. At most a fixed number of blocks is in hand at once,
// so memory does not grow with the file. A run that feeds the stereonet has
// each worker record what its rows give the plot, and the writer thread
// passes that on block by block, so the plot gets what a run row after row
// gives it, in the same order.
#include <algorithm>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

#include "batch/BatchRun.h"
#include "orient/NumberText.h"

namespace Lodema {

namespace {

constexpr int kBlockLines = 4096;
constexpr std::size_t kBlockBytes = 1 << 20;
constexpr int kBlocksPerJob = 3;
// From this many workers on, the writer thread rather than the workers sets
// the pace of a run that feeds the stereonet, so the workers also prepare
// the records for it (each worker's rows cost several times what drawing
// them costs the writer thread). With fewer, preparing only adds to the
// workers' load: the writer thread keeps up anyway.
constexpr int kJobsThatPreparePlot = 5;

// Lines of one block, each ended by CR LF, LF or a lone CR.
class BlockLineReader : public LineReader {
 public:
  explicit BlockLineReader(std::string_view text) : rest_(text) {}
  bool ReadLine(std::string& line) override {
    std::string_view view;
    if (!ReadLineView(view)) return false;
    line.assign(view);
    return true;
  }
  bool ReadLineView(std::string_view& line) override {
    if (rest_.empty()) {
      line = {};
      return false;
    }
    line = TakeLine(rest_);
    return true;
  }

 private:
  std::string_view rest_;
};

// What a block's rows gave the stereonet, in order: each step either makes
// the next record the plot's current set or presses "Retain". For a
// stereonet that prepares its records, what it made of each record (its
// drawing worked out by the workers rather than by the writer thread).
struct PlotSteps {
  static constexpr char kAdd = 'a';
  static constexpr char kRetain = 'r';
  std::vector<CalculationRecord> records;
  std::vector<PreparedPoints> prepared;  // one per record, or none
  std::string steps;
  void Clear() {
    records.clear();
    prepared.clear();
    steps.clear();
  }
};

// Stands in for the stereonet in a worker.
class PlotRecorder : public PlotSink, public RetainButton {
 public:
  // plot: the stereonet the records go to, asked to prepare them when
  // `prepare` is set.
  PlotRecorder(const PlotSink& plot, bool prepare)
      : showing_(plot.IsShowing()),
        preparer_(prepare && plot.PreparesDataPoints() ? &plot : nullptr) {}
  bool IsShowing() const override { return showing_; }
  void AddNewDataPoint(const CalculationRecord& record) override {
    recorded_.records.push_back(record);
    recorded_.steps.push_back(PlotSteps::kAdd);
    if (preparer_ != nullptr) {
      preparer_->PrepareDataPoint(record, recorded_.prepared.emplace_back());
    }
  }
  void PressRetain() override { recorded_.steps.push_back(PlotSteps::kRetain); }
  // Records from now on into `into` (emptied), whose room is reused.
  void Start(PlotSteps into) {
    recorded_ = std::move(into);
    recorded_.Clear();
  }
  void Clear() { recorded_.Clear(); }
  PlotSteps Take() { return std::exchange(recorded_, PlotSteps{}); }

 private:
  bool showing_;
  const PlotSink* preparer_;
  PlotSteps recorded_;
};

struct Block {
  std::string lines;  // the block's lines, each ending with CR LF, LF or CR
  int lineCount = 0;
  std::int64_t linesBefore = 0;  // rows of the source read before this block
  int skippedAtEnd = 0;          // a line too long to keep, which ends the source
  std::string output;            // its output lines, each ending with CR LF
  BatchCounts counts;
  PlotSteps plot;
  bool done = false;
};

class MemoryOutputFiles : public OutputFiles {
 public:
  explicit MemoryOutputFiles(std::string& bytes) : bytes_(bytes) {}
  bool MakesWorkbooks() const override { return false; }
  std::unique_ptr<OutputSink> Open(const std::string&, bool) override {
    return std::make_unique<MemorySink>(bytes_);
  }

 private:
  std::string& bytes_;
};

// One worker's engine: a writer that keeps the lines in memory and, for a
// run that feeds the stereonet, a recorder in the stereonet's place.
class RowWorker {
 public:
  RowWorker(const PlotSink& plot, const ResultWriter& writer, const BatchPlatform& platform,
            bool preparePlot)
      : files_(bytes_),
        writer_(BatchPlatform{}, files_),
        recorder_(plot, preparePlot),
        runner_(writer_, RecordingPlatform(platform, recorder_), inputs_) {
    if (platform.retain != nullptr || plot.IsShowing()) runner_.SetPlot(&recorder_);
    writer_.SetBatchRunning(true);
    writer_.SetLayout(writer.Layout(), "");
    writer_.SetFileName(writer.FileName());
    writer_.SetDelimiter(writer.Delimiter());
    writer_.SetColumnFlags(writer.ColumnFlags());
    writer_.SetExtraCaptions(writer.ExtraCaptions());
    writer_.GetResultCaptions();
    writer_.BeginRun(true);
  }

  // steps: room for what the rows give the stereonet.
  void Run(Block& block, const BatchRunRequest& request, const BatchOutputOptions& options,
           PlotSteps steps) {
    std::int64_t displayed = 0;
    recorder_.Start(std::move(steps));
    BlockLineReader reader(block.lines);
    runner_.RunRows(reader, request, options, displayed, block.counts);
    block.output = TakeOutput();
    block.plot = recorder_.Take();
  }

 private:
  static BatchPlatform RecordingPlatform(const BatchPlatform& platform, PlotRecorder& recorder) {
    BatchPlatform recording;
    if (platform.retain != nullptr) recording.retain = &recorder;
    return recording;
  }

  std::string TakeOutput() {
    writer_.EndRun();
    std::string output;
    output.swap(bytes_);
    writer_.BeginRun(true);
    return output;
  }

  std::string bytes_;
  MemoryOutputFiles files_;
  InputFiles inputs_;
  ResultWriter writer_;
  PlotRecorder recorder_;
  BatchRunner runner_;
};

// Gives the stereonet what a block's rows gave the worker's recorder.
void ReplayPlotSteps(const PlotSteps& plot, PlotSink& sink, RetainButton* retain) {
  // The records were written on another core, a block ago: fetching a few
  // ahead keeps the plot from waiting on memory for each row.
  constexpr std::size_t kAhead = 4;
  std::size_t next = 0;
  for (const char step : plot.steps) {
    if (step == PlotSteps::kAdd) {
      if (next + kAhead < plot.records.size()) {
        const char* ahead = reinterpret_cast<const char*>(&plot.records[next + kAhead]);
        for (std::size_t line = 0; line < sizeof(CalculationRecord); line += 64) {
          __builtin_prefetch(ahead + line);
        }
      }
      if (plot.prepared.empty()) {
        sink.AddNewDataPoint(plot.records[next]);
      } else {
        sink.AddPreparedDataPoint(plot.records[next], plot.prepared[next]);
      }
      ++next;
    } else if (retain != nullptr) {
      retain->PressRetain();
    }
  }
}

}  // namespace

void BatchRunner::RunRowsInParallel(LineReader& reader, const BatchRunRequest& request,
                                    const BatchOutputOptions& options, std::int64_t& displayed,
                                    BatchCounts& counts) {
  static const PlotSink kNoPlot;
  const PlotSink& plot = plot_ != nullptr ? *plot_ : kNoPlot;
  std::vector<std::unique_ptr<RowWorker>> engines;
  for (int i = 0; i < jobs_; ++i) {
    engines.push_back(
        std::make_unique<RowWorker>(plot, writer_, platform_, jobs_ >= kJobsThatPreparePlot));
  }

  const std::size_t inHand = static_cast<std::size_t>(jobs_) * kBlocksPerJob;
  std::mutex mutex;
  std::condition_variable workReady;
  std::condition_variable blockDone;
  std::condition_variable roomFree;
  std::deque<Block*> pending;                  // read, not yet taken by a worker
  std::deque<std::unique_ptr<Block>> inOrder;  // read, not yet written
  bool readingDone = false;
  bool stopping = false;  // the user stopped the run: blocks not yet written are dropped
  // The room of blocks' plot steps already passed on, for the next blocks:
  // a fresh megabyte per block would be mapped and unmapped each time.
  std::vector<PlotSteps> spareSteps;

  std::vector<std::thread> workers;
  for (auto& engine : engines) {
    workers.emplace_back([&, worker = engine.get()] {
      for (;;) {
        Block* block = nullptr;
        PlotSteps steps;
        {
          std::unique_lock lock(mutex);
          workReady.wait(lock, [&] { return !pending.empty() || readingDone || stopping; });
          if (pending.empty() || stopping) return;
          block = pending.front();
          pending.pop_front();
          if (!spareSteps.empty()) {
            steps = std::move(spareSteps.back());
            spareSteps.pop_back();
          }
        }
        worker->Run(*block, request, options, std::move(steps));
        {
          std::lock_guard lock(mutex);
          block->done = true;
        }
        blockDone.notify_all();
      }
    });
  }

  std::thread writerThread([&] {
    for (;;) {
      std::unique_ptr<Block> block;
      {
        std::unique_lock lock(mutex);
        blockDone.wait(lock, [&] {
          return (!inOrder.empty() && inOrder.front()->done) || (readingDone && inOrder.empty());
        });
        if (inOrder.empty()) return;
        block = std::move(inOrder.front());
        inOrder.pop_front();
      }
      roomFree.notify_one();
      writer_.WritePreparedLines(block->output, block->counts.dataRows > 0);
      if (!block->plot.steps.empty()) {
        ReplayPlotSteps(block->plot, *plot_, platform_.retain);
        std::lock_guard lock(mutex);
        spareSteps.push_back(std::move(block->plot));
      }
      if (block->lineCount > 0 && options.lastRowKept) {
        // The block's last line, for the window to show once the run ends.
        std::string_view lines(block->lines);
        if (lines.ends_with('\n')) lines.remove_suffix(1);
        if (lines.ends_with('\r')) lines.remove_suffix(1);
        const std::size_t start = lines.find_last_of("\r\n");
        lastLine_.assign(NumberText::TrimLeadingSpaces(
            lines.substr(start == std::string_view::npos ? 0 : start + 1)));
        processedAny_ = true;
      }
      const BatchCounts& done = block->counts;
      if (done.uncomputedRows > 0 && counts.uncomputedRows == 0) {
        counts.firstUncomputedLine = block->linesBefore + done.firstUncomputedLine;
        counts.uncomputedReason = done.uncomputedReason;
      }
      counts.uncomputedRows += done.uncomputedRows;
      counts.linesRead += done.linesRead + block->skippedAtEnd;
      counts.dataRows += done.dataRows;
      for (int i = 0; i < block->lineCount + block->skippedAtEnd; ++i) {
        progress_->Processed(++displayed);
      }
      if (progress_->StopRequested()) {
        counts.stopped = true;
        counts.stoppedAfterLine = counts.linesRead + (request.headings ? 1 : 0);
        {
          std::lock_guard lock(mutex);
          stopping = true;
          pending.clear();
        }
        workReady.notify_all();
        roomFree.notify_all();
        return;
      }
    }
  });

  std::string_view line;
  std::int64_t linesRead = 0;
  bool more = true;
  while (more) {
    auto block = std::make_unique<Block>();
    block->linesBefore = linesRead;
    while (block->lineCount < kBlockLines && block->lines.size() < kBlockBytes) {
      // Lines that lie whole in the source's buffer go in as they stand,
      // many at a time; the rest one by one.
      if (const int taken = reader.TakeWholeLines(block->lines, kBlockLines - block->lineCount,
                                                  kBlockBytes - block->lines.size());
          taken > 0) {
        linesRead += taken;
        block->lineCount += taken;
        continue;
      }
      if (!reader.ReadLineView(line)) {
        more = false;
        break;
      }
      if (reader.LineTooLong()) {
        // Only its start was read and reading stops: counted, never run,
        // as a run row by row does.
        block->skippedAtEnd = 1;
        more = false;
        break;
      }
      ++linesRead;
      // The line and its '\n' in one step: the string grows once.
      std::string& lines = block->lines;
      const std::size_t at = lines.size();
      lines.resize(at + line.size() + 1);
      std::copy(line.begin(), line.end(), lines.begin() + static_cast<std::ptrdiff_t>(at));
      lines.back() = '\n';
      ++block->lineCount;
    }
    if (block->lineCount == 0 && block->skippedAtEnd == 0) break;
    {
      std::unique_lock lock(mutex);
      roomFree.wait(lock, [&] { return inOrder.size() < inHand || stopping; });
      if (stopping) break;
      pending.push_back(block.get());
      inOrder.push_back(std::move(block));
    }
    workReady.notify_one();
  }
  {
    std::lock_guard lock(mutex);
    readingDone = true;
  }
  workReady.notify_all();
  blockDone.notify_all();
  for (std::thread& worker : workers) worker.join();
  writerThread.join();
}

}  // namespace Lodema
