// vrqctl speaks English outside a Japanese locale; its tests read it so.
#include <gtest/gtest.h>

#include "link/ui_language.h"

namespace vrq {
namespace {

class EnglishCommandLine : public ::testing::Environment {
public:
    void SetUp() override { installUiLanguage(UiLanguage::English); }
};

const auto* const kEnglish = ::testing::AddGlobalTestEnvironment(new EnglishCommandLine);

}  // namespace
}  // namespace vrq
