// Runs a whole test program under the locale named by QUILLORN_TEST_LOCALE (for instance one
// whose decimal separator is a comma), to show that no figure depends on the machine's locale.
// A locale that cannot be set fails the run instead of silently testing the default.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <locale>

namespace {

class LocaleFromEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    const char* name = std::getenv("QUILLORN_TEST_LOCALE");
    if (name == nullptr || *name == '\0') return;
    ASSERT_NE(std::setlocale(LC_ALL, name), nullptr) << "locale " << name << " is not installed";
    std::locale::global(std::locale(name));
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    ASSERT_STREQ(probe, "1,5") << "locale " << name << " does not use a decimal comma";
  }
};

const auto* const g_registered = ::testing::AddGlobalTestEnvironment(new LocaleFromEnvironment);

}  // namespace
