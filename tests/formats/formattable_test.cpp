// The table of formats is whole: every writer, reader and menu item has its
// row, and no two rows claim the same word, item or caption tag.
#include "formats/formattable.h"

#include <gtest/gtest.h>

#include <set>

#include "formats/exportselection.h"
#include "formats/importer.h"

using namespace vrek;

TEST(FormatTable, EveryFormatItemAndWordOnceAndBackAgain) {
    std::set<std::string> words, items, tags;
    for (int i = 0; i <= static_cast<int>(ExportFormat::Dge); ++i) {
        const auto f = static_cast<ExportFormat>(i);
        const ExportVariant &v = variantOf(f);
        ASSERT_EQ(v.format, f) << i;
        EXPECT_TRUE(words.insert(v.word).second) << v.word;
        EXPECT_EQ(exportFormatOfWord(v.word), f);
        EXPECT_TRUE(tags.insert(std::string(v.captionExtension).substr(1)).second) << v.captionExtension;
        EXPECT_EQ(formatOfCaption(std::string("/a/b") + v.captionExtension), f);
        // The default name's extension is the format's, in capitals.
        EXPECT_EQ(defaultExportName("/a/b.VRK", f), std::string("/a/b") + descriptorOf(f).extension);
    }
    const std::vector<ExportItem> menu = exportMenu();
    ASSERT_EQ(menu.size(), static_cast<size_t>(kExportMenuItems));
    for (int i = 0; i < kExportMenuItems; ++i) {
        const ExportItem &item = menu[i];
        EXPECT_EQ(static_cast<int>(item.id), i) << item.name;  // the enum follows the menu
        EXPECT_TRUE(items.insert(item.name).second) << item.name;
    }
    words.clear();
    for (int i = 0; i <= static_cast<int>(ImportFormat::Vrk); ++i) {
        const auto f = static_cast<ImportFormat>(i);
        const FormatDescriptor &d = descriptorOf(f);
        ASSERT_TRUE(d.imports && d.imports->format == f) << i;
        EXPECT_TRUE(words.insert(d.imports->word).second);
        EXPECT_EQ(importFormatOfWord(d.imports->word), f);
        EXPECT_EQ(importFormatOf(std::string("x") + d.extension), f);
        for (const ImportItem &item : d.imports->items) {
            EXPECT_TRUE(items.insert(item.name).second) << item.name;
            EXPECT_EQ(descriptorOfImportItem(item.name, item.insert), &d);
        }
    }
    EXPECT_EQ(importExtensionsText(), ".DUP, .DLM, .PBN, .BRI, .DGE, .LIN ou .VRK");
}
