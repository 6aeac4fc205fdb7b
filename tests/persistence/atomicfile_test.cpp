#include "persistence/atomicfile.h"

#include <gtest/gtest.h>

#include "support/readonlyfiles.h"
#include "support/scratchfiles.h"

namespace norvex5 {
namespace {

using testing::ScratchDir;

TEST(AtomicFileWriter, ReplacesTheOldFileOnlyOnCommit) {
    ScratchDir dir;
    const auto target = dir / "list.txt";
    ASSERT_TRUE(writeFileAtomically(target, "old"));

    AtomicFileWriter writer;
    ASSERT_TRUE(writer.open(target));
    ASSERT_TRUE(writer.write("new content"));
    // Until the commit, readers still see the old file whole.
    EXPECT_EQ(testing::readBytes(target), (std::vector<unsigned char>{'o', 'l', 'd'}));
    ASSERT_TRUE(writer.commit());
    const auto bytes = testing::readBytes(target);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "new content");
    EXPECT_EQ(testing::entries(dir.path()).size(), 1u) << "no temporary file may be left behind";
}

TEST(AtomicFileWriter, AbandonedWriteLeavesTheOldFileAndNoTemporary) {
    ScratchDir dir;
    const auto target = dir / "game.nv5";
    ASSERT_TRUE(writeFileAtomically(target, "keep"));
    {
        AtomicFileWriter writer;
        ASSERT_TRUE(writer.open(target));
        writer.write("half a fi");
        // destroyed without commit, as when the program fails half way
    }
    const auto bytes = testing::readBytes(target);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "keep");
    EXPECT_EQ(testing::entries(dir.path()).size(), 1u);
}

TEST(AtomicFileWriter, FailsCleanlyWhereNothingCanBeWritten) {
    ScratchDir dir;
    std::error_code error;
    EXPECT_FALSE(writeFileAtomically(dir / "no-such-dir" / "file", "x", &error));
    EXPECT_EQ(writeFailureOf(error), WriteFailure::NoFolder);
    // A directory in the way of the target: the rename fails and the temporary goes away.
    std::filesystem::create_directory(dir / "occupied");
    std::filesystem::create_directory(dir / "occupied" / "child");
    EXPECT_FALSE(writeFileAtomically(dir / "occupied", "x", &error));
    EXPECT_EQ(writeFailureOf(error), WriteFailure::Other) << error.message();
    EXPECT_TRUE(writeFileAtomically(dir / "fine", "x", &error));
    EXPECT_EQ(writeFailureOf(error), WriteFailure::None) << "a success leaves no error from before";
    EXPECT_EQ(testing::entries(dir.path()).size(), 2u);
    AtomicFileWriter unopened;
    EXPECT_FALSE(unopened.write("x"));
    EXPECT_FALSE(unopened.commit());
}

// A file system takes names of up to 255 bytes; the temporary file beside a target whose name is
// that long must still be creatable.
TEST(AtomicFileWriter, TargetWithTheLongestNameIsWritten) {
    ScratchDir dir;
    const auto target = dir / std::string(255, 'n');
    ASSERT_TRUE(writeFileAtomically(target, "long"));
    const auto bytes = testing::readBytes(target);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "long");
    EXPECT_EQ(testing::entries(dir.path()).size(), 1u);
}

// A private file replaced by an export or a save stays private.
TEST(AtomicFileWriter, ReplacementKeepsThePermissionsOfTheOldFile) {
    ScratchDir dir;
    const auto target = dir / "private.txt";
    ASSERT_TRUE(writeFileAtomically(target, "old"));
    using std::filesystem::perms;
    std::filesystem::permissions(target, perms::owner_read | perms::owner_write);
    ASSERT_TRUE(writeFileAtomically(target, "new"));
    EXPECT_EQ(std::filesystem::status(target).permissions(), perms::owner_read | perms::owner_write);
}

// An export chosen through a link to a file must land in that file, not replace the link.
TEST(AtomicFileWriter, SymbolicLinkIsWrittenThrough) {
    ScratchDir dir;
    std::filesystem::create_directory(dir / "real");
    const auto file = dir / "real" / "list.txt";
    ASSERT_TRUE(writeFileAtomically(file, "old"));
    std::filesystem::create_symlink("real/list.txt", dir / "link.txt");
    ASSERT_TRUE(writeFileAtomically(dir / "link.txt", "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.txt"));
    const auto bytes = testing::readBytes(file);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "new");
    EXPECT_EQ(testing::entries(dir / "real").size(), 1u);
}

// The rename would replace a file the player protected against writing; every file the program
// writes (saved games, settings, exports) goes through here and refuses it the same way.
TEST(AtomicFileWriter, ReadOnlyTargetIsRefusedAndLeftAlone) {
    testing::AsOrdinaryUser user;
    ScratchDir dir;
    const auto target = dir / "kept.nv5";
    ASSERT_TRUE(writeFileAtomically(target, "old"));
    testing::makeReadOnly(target);
    std::filesystem::create_symlink("kept.nv5", dir / "link.nv5");

    std::error_code error;
    EXPECT_FALSE(writeFileAtomically(target, "new", &error));
    EXPECT_EQ(writeFailureOf(error), WriteFailure::NotAllowed);
    EXPECT_FALSE(writeFileAtomically(dir / "link.nv5", "new")) << "nor through a link to it";
    AtomicFileWriter writer;
    EXPECT_FALSE(writer.open(target));
    EXPECT_FALSE(writer.write("new"));
    EXPECT_FALSE(writer.commit());
    const auto bytes = testing::readBytes(target);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "old");
    EXPECT_EQ(testing::entries(dir.path()).size(), 2u) << "no temporary file may be left behind";

    // A new file beside it is written, and so is the same file once it may be written again.
    EXPECT_TRUE(writeFileAtomically(dir / "new.nv5", "x"));
    std::filesystem::permissions(target, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    EXPECT_TRUE(writeFileAtomically(target, "new"));
    EXPECT_EQ(testing::readBytes(target), (std::vector<unsigned char>{'n', 'e', 'w'}));
}

}  // namespace
}  // namespace norvex5
