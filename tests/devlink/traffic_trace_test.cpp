// The trace holds a unit's login and dial numbers: its files are the
// user's alone and never written through a symbolic link.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "devlink/traffic_trace.h"
#include "file_bytes.h"
#include "temp_folder.h"

using devlink::TraceDirection;
using devlink::TrafficTrace;
using testsupport::TempFolder;

namespace {

mode_t modeOf(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

}  // namespace

TEST(TraceFile, TheFileAndItsRotatedPartsArePrivate) {
    TempFolder folder;
    const std::string trace = folder.path() + "/trace.log";
    // An earlier part left open to all is closed as well.
    testsupport::writeFileBytes(trace + ".2", "old part\n");
    chmod((trace + ".2").c_str(), 0644);
    const mode_t mask = umask(022);
    ASSERT_TRUE(TrafficTrace::open(trace, 2000));
    for (int i = 0; i < 200; ++i) TrafficTrace::active()->byte("COM1", TraceDirection::Sent, '\n');
    TrafficTrace::close();
    umask(mask);
    for (const std::string& part : {trace, trace + ".1", trace + ".2", trace + ".3"})
        EXPECT_EQ(modeOf(part), 0600u) << part;
}

TEST(TraceFile, ASymbolicLinkInItsPlaceIsNotFollowed) {
    TempFolder folder;
    const std::string target = folder.path() + "/elsewhere";
    testsupport::writeFileBytes(target, "");
    const std::string trace = folder.path() + "/trace.log";
    ASSERT_EQ(symlink(target.c_str(), trace.c_str()), 0);
    EXPECT_FALSE(TrafficTrace::open(trace));
    EXPECT_EQ(TrafficTrace::active(), nullptr);
    EXPECT_TRUE(testsupport::fileBytes(target).empty());
}
