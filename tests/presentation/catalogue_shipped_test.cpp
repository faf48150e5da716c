#include <gtest/gtest.h>
#include "test_paths.h"

#include <cctype>
#include <sstream>

#include "engine/message_registry.h"
#include "presentation/catalogue.h"

namespace vrk {
namespace {

PlayByPlayCatalogue shipped() {
    PlayByPlayCatalogue catalogue;
    const CatalogueLoad outcome =
        LoadPlayByPlay(catalogue, std::string(vrk::test::sourceHome()) + "/BASEBALL.MSG");
    EXPECT_EQ(outcome.status, CatalogueLoadStatus::Loaded) << outcome.message;
    EXPECT_LE(outcome.records, kMaxCatalogueRecords);
    return catalogue;
}

TEST(ShippedCatalogue, HasATextForEveryRegisteredKey) {
    const PlayByPlayCatalogue catalogue = shipped();
    Team visitors, home;
    visitors.player(1).playerName = "Brooks, Ty";
    home.player(2).playerName = "Vance, Lee";
    PlayByPlayContext context;
    context.teams = {nullptr, &visitors, &home};
    Rng rng(3);
    for (const auto& entry : msg::RegisteredKeys()) {
        context.currentFielder = entry.key.p >= '1' && entry.key.p <= '9' ? entry.key.p - '0' : 0;
        const std::string text = PlayByPlayText(catalogue, entry.key, 1, 1, 2, 2, context, rng);
        EXPECT_EQ(text.find("Not found"), std::string::npos)
            << entry.name << " " << entry.key.display();
        EXPECT_FALSE(text.empty()) << entry.name;
    }
}

// Mistakes an editor of the file easily makes, checked over every text.
TEST(ShippedCatalogue, TextsUseTheirTokensAndPronounsSoundly) {
    const PlayByPlayCatalogue catalogue = shipped();
    for (const auto& record : catalogue.records) {
        const std::string& text = record.text;
        const int tokens = (text.find('@') != std::string::npos) +
                           (text.find('*') != std::string::npos) +
                           (text.find('#') != std::string::npos);
        EXPECT_LE(tokens, 1) << record.key << " only one of @ * # is ever replaced: " << text;
        if (text.find('#') != std::string::npos) {
            EXPECT_TRUE(record.key[2] >= '1' && record.key[2] <= '9')
                << record.key << " names a position without a fielder: " << text;
        }
        // A women's team must hear no male pronoun left over.
        std::istringstream words(GenderText(text));
        for (std::string word; words >> word;) {
            while (!word.empty() && !std::isalpha(static_cast<unsigned char>(word.back())) &&
                   word.back() != '\'')
                word.pop_back();
            for (const char* male : {"he", "He", "his", "His", "him", "himself", "guy"})
                EXPECT_NE(word, male) << record.key << ": " << text;
        }
    }
}

}  // namespace
}  // namespace vrk
