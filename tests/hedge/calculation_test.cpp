// The click: the texts written for the example rows, the order of reads and writes, and that
// every text handed out is released (where the platform lets the test watch the heap).
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/text_memory.h"
#include "hedge/hedge.h"

// The heap watch: blocks of AllocateMemory come from CountingHeap; with the linker option
// --wrap=free every free() of the program passes __wrap_free first.
namespace {

constexpr std::size_t kLogSize = 4096;
struct HeapLog {
  bool on = false;
  std::size_t allocations = 0;
  std::size_t frees = 0;
  const void* allocated[kLogSize] = {};
  const void* freed[kLogSize] = {};
};
HeapLog g_log;

void* CountingHeap(std::size_t count) {
  void* block = std::malloc(count);
  if (g_log.on && g_log.allocations < kLogSize) g_log.allocated[g_log.allocations++] = block;
  return block;
}

}  // namespace

#if defined(QUILLORN_WATCH_FREE)
extern "C" void __real_free(void* block);
extern "C" void __wrap_free(void* block) {
  if (g_log.on && block != nullptr && g_log.frees < kLogSize) g_log.freed[g_log.frees++] = block;
  __real_free(block);
}
#endif

namespace quillorn {
namespace {

// Whether `block` was freed at or after position `since` of the free log.
bool FreedSince(const void* block, std::size_t since) {
  for (std::size_t i = since; i < g_log.frees; ++i) {
    if (g_log.freed[i] == block) return true;
  }
  return false;
}

// Watches the text heap while it lives.
class HeapWatch {
 public:
  HeapWatch() {
    g_log = HeapLog();
    g_log.on = true;
    SetHeapForTesting(&CountingHeap);
  }
  ~HeapWatch() {
    g_log.on = false;
    SetHeapForTesting(nullptr);
  }
  HeapWatch(const HeapWatch&) = delete;
  HeapWatch& operator=(const HeapWatch&) = delete;

  static bool CanSeeFrees() {
#if defined(QUILLORN_WATCH_FREE)
    return true;
#else
    return false;
#endif
  }
  // Blocks allocated while watching and not freed after their allocation.
  static std::size_t Unreleased() {
    std::size_t count = 0;
    for (std::size_t i = 0; i < g_log.allocations; ++i) {
      // A freed address may come back from a later allocation: match each allocation with a
      // free of the same address, each free used once.
      std::size_t same_before = 0;
      for (std::size_t j = 0; j < i; ++j) same_before += g_log.allocated[j] == g_log.allocated[i];
      std::size_t frees_of_it = 0;
      for (std::size_t j = 0; j < g_log.frees; ++j) frees_of_it += g_log.freed[j] == g_log.allocated[i];
      if (frees_of_it <= same_before) ++count;
    }
    return count;
  }
};

// Boxes 1-11 held as strings (absent for an empty box), with a log of every read and write.
class RecordingBoxes final : public HedgeBoxes {
 public:
  explicit RecordingBoxes(const std::array<const char*, 6>& odds) {
    const int inputs[] = {1, 2, 3, 5, 6, 7};
    for (std::size_t i = 0; i < 6; ++i) {
      if (odds[i] != nullptr) texts_[static_cast<std::size_t>(inputs[i])] = odds[i];
    }
  }

  Text GetControlText(int box) override {
    CheckLastTextReleased();
    log_.push_back("get " + std::to_string(box));
    const std::string& text = texts_[static_cast<std::size_t>(box)];
    if (text.empty()) return Text();
    Text handed = Text::Copy(text);
    last_handed_ = handed.get();
    last_handed_at_ = g_log.frees;
    return handed;
  }

  void SetControlText(int box, const char* text) override {
    CheckLastTextReleased();
    log_.push_back("set " + std::to_string(box) + " " + (text ? text : "(none)"));
    texts_[static_cast<std::size_t>(box)] = text ? text : "";
  }

  const std::vector<std::string>& log() const { return log_; }
  void ClearLog() {
    log_.clear();
    late_releases_ = 0;
  }
  int late_releases() const { return late_releases_; }

 private:
  // The text of the previous read must be gone before the next read or any write.
  void CheckLastTextReleased() {
    if (last_handed_ == nullptr || !HeapWatch::CanSeeFrees()) return;
    if (!FreedSince(last_handed_, last_handed_at_)) ++late_releases_;
    last_handed_ = nullptr;
  }

  std::array<std::string, 12> texts_;
  std::vector<std::string> log_;
  const char* last_handed_ = nullptr;
  std::size_t last_handed_at_ = 0;
  int late_releases_ = 0;
};

TEST(CalculateHedge, ReadsAndWritesInOrderAndReleasesEveryText) {
  RecordingBoxes boxes({"2.10", "3.20", "3.50", "1.95", "3.40", "3.60"});
  const std::vector<std::string> expected = {
      "get 1", "get 2", "get 3", "set 4 93.1%",
      "get 5", "get 6", "get 7", "set 8 92.2%",
      "get 5", "set 9 51.28",
      "get 2", "set 10 31.25",
      "get 3", "set 11 28.57"};
  for (int click = 1; click <= 2; ++click) {
    SCOPED_TRACE("click " + std::to_string(click));
    boxes.ClearLog();
    {
      HeapWatch watch;
      CalculateHedge(boxes);
      EXPECT_EQ(boxes.late_releases(), 0);
      if (HeapWatch::CanSeeFrees()) {
        EXPECT_EQ(HeapWatch::Unreleased(), 0u);
      }
    }
    EXPECT_EQ(boxes.log(), expected);
  }
}

TEST(CalculateHedge, EmptyBoxesAreReadAsEmptyTextAndNothingLeaks) {
  RecordingBoxes boxes({nullptr, nullptr, nullptr, "2", nullptr, "2"});
  HeapWatch watch;
  CalculateHedge(boxes);
  EXPECT_EQ(boxes.log(), (std::vector<std::string>{
                             "get 1", "get 2", "get 3", "set 4 0%", "get 5", "get 6", "get 7",
                             "set 8 0%", "get 5", "set 9 50", "get 2", "set 10 1.#INF", "get 3",
                             "set 11 1.#INF"}));
  EXPECT_EQ(boxes.late_releases(), 0);
  if (HeapWatch::CanSeeFrees()) {
        EXPECT_EQ(HeapWatch::Unreleased(), 0u);
      }
}

struct Row {
  std::array<const char*, 6> odds;     // boxes 1, 2, 3, 5, 6, 7; nullptr for an empty box
  std::array<const char*, 5> results;  // boxes 4, 8, 9, 10, 11
};

TEST(ComputeHedgeTexts, GivesTheTextsOfTheExampleRows) {
  const Row rows[] = {
      {{nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
       {"0%", "0%", "1.#INF", "1.#INF", "1.#INF"}},
      {{"", "", "", "", "", ""}, {"0%", "0%", "1.#INF", "1.#INF", "1.#INF"}},
      {{"2.10", "3.20", "3.50", "1.95", "3.40", "3.60"},
       {"93.1%", "92.2%", "51.28", "31.25", "28.57"}},
      {{"3", "3", "3", "2", "4", "4"}, {"100%", "100%", "50", "33.33", "33.33"}},
      // The sum rounded once gives 93.04999999999988 and "93%"; doubles would give "93.1%".
      {{"2.5", "3.4", "2.6276141592332265", "800", "32", "64"},
       {"93%", "2077.9%", "0.13", "29.41", "38.06"}},
      {{"2", nullptr, "2", "abc", "2", "2"}, {"0%", "0%", "1.#INF", "1.#INF", "50"}},
      // +inf + -inf: the default not-a-number; 1 - 0.5 - 0.5 cancels to +0.
      {{"0", "-0", "2", "1", "-2", "-2"}, {"-1.#IND%", "1.#INF%", "100", "-1.#INF", "50"}},
      {{"-2", "-2", "-2", "-2", "-4", "-4"}, {"-66.7%", "-100%", "-50", "-50", "-50"}},
      {{"1e300", "1e300", "1e300", "1e308", "1e308", "1e308"},
       {"3.333333333333e+301%", "1.#INF%", "0", "0", "0"}},
      {{"-1e400", "-1e400", "-1e400", "1e-307", "1e400", "1e400"},
       {"-1.#INF%", "0%", "1.#INF", "0", "0"}},
      // Full-width "２．５" in code page 936, leading space and trailing text, a comma.
      {{"\xA3\xB2\xA3\xAE\xA3\xB5", " 3.2abc", "2,5", "1.5625", "3.125", "3.125"},
       {"82.5%", "78.1%", "64", "31.25", "50"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.odds[0] ? row.odds[0] : "(empty)") + " " +
                 (row.odds[1] ? row.odds[1] : "(empty)") + " " +
                 (row.odds[2] ? row.odds[2] : "(empty)") + " | " +
                 (row.odds[3] ? row.odds[3] : "(empty)"));
    const std::array<Text, 5> texts = ComputeHedgeTexts(row.odds);
    for (std::size_t i = 0; i < 5; ++i) {
      EXPECT_EQ(texts[i].view(), row.results[i]) << "output " << i;
    }
  }
}

TEST(ComputeHedgeTexts, LeavesNoBlockBehindOnceTheResultsAreGone) {
  if (!HeapWatch::CanSeeFrees()) GTEST_SKIP() << "the heap watch needs the linker's --wrap";
  HeapWatch watch;
  {
    const std::array<Text, 5> texts =
        ComputeHedgeTexts({"2.5", "3.4", "2.6276141592332265", "800", "32", "64"});
    EXPECT_EQ(HeapWatch::Unreleased(), 5u);
  }
  EXPECT_EQ(HeapWatch::Unreleased(), 0u);
}

}  // namespace
}  // namespace quillorn
