// Reads a built vantrel.exe as data, so that a program of either width can be
// checked from either width (a 64-bit process reads a 32-bit file's resources).
//   vantrel_resource_tests [PROGRAM PROCESSOR]
// PROGRAM is relative to this test's folder, PROCESSOR the manifest's name for
// it ("x86" or "amd64"); by default the vantrel.exe beside it, of its own width.
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

std::wstring programUnderTest = L"vantrel.exe";
std::string processorUnderTest = sizeof(void*) == 8 ? "amd64" : "x86";

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
struct GroupIconHeader {
    WORD reserved, type, count;
};
#pragma pack(pop)

struct ModuleCloser {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};

// The built vantrel.exe, opened for its resources only.
class VantrelResources : public testing::Test {
  protected:
    void SetUp() override {
        path_ = ProgramFolder() + programUnderTest;
        std::replace(path_.begin(), path_.end(), L'/', L'\\');
        module_.reset(LoadLibraryExW(path_.c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
        ASSERT_TRUE(module_) << "cannot open " << std::string(path_.begin(), path_.end());
    }

    std::string Resource(const wchar_t* name, const wchar_t* type) {
        const HRSRC found = FindResourceW(module_.get(), name, type);
        if (found == nullptr) {
            return {};
        }
        const auto* data = static_cast<const char*>(LockResource(LoadResource(module_.get(), found)));
        return std::string(data, SizeofResource(module_.get(), found));
    }

    std::wstring path_;
    std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleCloser> module_;
};

TEST_F(VantrelResources, IconGroupHasNineImagesInOrder) {
    const std::string group = Resource(L"DEFAULT_ICON", RT_GROUP_ICON);
    ASSERT_GE(group.size(), sizeof(GroupIconHeader));
    GroupIconHeader header;
    std::memcpy(&header, group.data(), sizeof header);
    ASSERT_EQ(header.count, 9);
    ASSERT_EQ(group.size(), sizeof header + 9 * sizeof(GroupIconEntry));

    const int sizes[] = {256, 128, 96, 72, 64, 48, 32, 24, 16};
    for (int i = 0; i < 9; ++i) {
        GroupIconEntry entry;
        std::memcpy(&entry, group.data() + sizeof header + i * sizeof entry, sizeof entry);
        EXPECT_EQ(entry.width == 0 ? 256 : entry.width, sizes[i]) << "image " << i;
        EXPECT_EQ(entry.height == 0 ? 256 : entry.height, sizes[i]) << "image " << i;
        EXPECT_EQ(entry.bitCount, 32) << "image " << i;
        const std::string image = Resource(MAKEINTRESOURCEW(entry.id), RT_ICON);
        ASSERT_EQ(image.size(), entry.bytes) << "image " << i;
        if (sizes[i] == 256) {
            EXPECT_EQ(image.substr(0, 8), std::string("\x89PNG\r\n\x1A\n", 8));
        } else {
            BITMAPINFOHEADER bitmap;
            std::memcpy(&bitmap, image.data(), sizeof bitmap);
            EXPECT_EQ(bitmap.biWidth, sizes[i]);
            EXPECT_EQ(bitmap.biBitCount, 32);
        }
    }
}

TEST_F(VantrelResources, VersionRecord) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path_.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> record(size);
    ASSERT_TRUE(GetFileVersionInfoW(path_.c_str(), 0, size, record.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed->dwFileFlags, 0u);

    const auto text = [&](const wchar_t* key) {
        wchar_t* value = nullptr;
        UINT chars = 0;
        const std::wstring path = std::wstring(L"\\StringFileInfo\\080404B0\\") + key;
        if (!VerQueryValueW(record.data(), path.c_str(), reinterpret_cast<void**>(&value), &chars)) {
            return std::wstring(L"<missing>");
        }
        return std::wstring(value);
    };
    EXPECT_EQ(text(L"FileVersion"), L"1.0.0.0");
    EXPECT_EQ(text(L"ProductVersion"), L"1.0.0.0");
    EXPECT_EQ(text(L"ProductName"), L"Vantrel");

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(record.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0804);
    EXPECT_EQ(translation[1], 0x04B0);
}

// The start tags of an XML text with their attributes, in order; closing
// tags, comments and text between the tags are left out.
struct Tag {
    std::string name;
    std::map<std::string, std::string> attributes;
};

std::vector<Tag> StartTags(const std::string& xml) {
    std::vector<Tag> tags;
    for (std::size_t at = xml.find('<'); at != std::string::npos; at = xml.find('<', at + 1)) {
        if (xml.compare(at, 2, "</") == 0 || xml.compare(at, 4, "<!--") == 0) {
            continue;
        }
        const std::size_t end = xml.find('>', at);
        if (end == std::string::npos) {
            break;
        }
        const std::string body = xml.substr(at + 1, end - at - 1);
        Tag tag;
        std::size_t i = body.find_first_of(" \t\r\n/?", 1);
        tag.name = body.substr(0, i);
        while (i != std::string::npos && i < body.size()) {
            const std::size_t nameStart = body.find_first_not_of(" \t\r\n/?", i);
            const std::size_t equals = body.find('=', nameStart);
            if (nameStart == std::string::npos || equals == std::string::npos) {
                break;
            }
            const std::size_t open = body.find('"', equals);
            const std::size_t close = body.find('"', open + 1);
            tag.attributes[body.substr(nameStart, equals - nameStart)] = body.substr(open + 1, close - open - 1);
            i = close + 1;
        }
        tags.push_back(tag);
    }
    return tags;
}

TEST_F(VantrelResources, ManifestDeclaresItsIdentityAndCommonControlsSixOnly) {
    const std::string manifest = Resource(MAKEINTRESOURCEW(1), RT_MANIFEST);
    ASSERT_FALSE(manifest.empty());
    const std::vector<Tag> tags = StartTags(manifest);
    std::vector<std::string> names;
    for (const Tag& tag : tags) {
        names.push_back(tag.name);
    }
    // Nothing but the application's identity and its one dependency.
    ASSERT_EQ(names, (std::vector<std::string>{"?xml", "assembly", "assemblyIdentity", "dependency",
                                               "dependentAssembly", "assemblyIdentity"}));
    EXPECT_EQ(tags[1].attributes, (std::map<std::string, std::string>{
                                      {"xmlns", "urn:schemas-microsoft-com:asm.v1"}, {"manifestVersion", "1.0"}}));
    const std::map<std::string, std::string> application = tags[2].attributes;
    EXPECT_EQ(application.size(), 4u);
    EXPECT_EQ(application.at("type"), "win32");
    EXPECT_EQ(application.at("processorArchitecture"), processorUnderTest);
    EXPECT_EQ(application.count("name"), 1u);
    EXPECT_EQ(application.count("version"), 1u);
    EXPECT_EQ(tags[5].attributes, (std::map<std::string, std::string>{
                                      {"type", "win32"},
                                      {"name", "Microsoft.Windows.Common-Controls"},
                                      {"version", "6.0.0.0"},
                                      {"processorArchitecture", processorUnderTest},
                                      {"publicKeyToken", "6595b64144ccf1df"},
                                      {"language", "*"},
                                  }));
}

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc == 3) {
        const std::string program = argv[1];
        programUnderTest.assign(program.begin(), program.end());
        processorUnderTest = argv[2];
    }
    return RUN_ALL_TESTS();
}
