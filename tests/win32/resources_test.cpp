#include "test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

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
        path_ = ProgramFolder() + L"vantrel.exe";
        module_.reset(LoadLibraryExW(path_.c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
        ASSERT_TRUE(module_) << "cannot open vantrel.exe";
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

TEST_F(VantrelResources, ManifestSelectsCommonControlsSix) {
    const std::string manifest = Resource(MAKEINTRESOURCEW(1), RT_MANIFEST);
    ASSERT_FALSE(manifest.empty());
    EXPECT_NE(manifest.find("processorArchitecture=\"x86\""), std::string::npos);
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\""), std::string::npos);
    EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(manifest.find("publicKeyToken=\"6595b64144ccf1df\""), std::string::npos);
    EXPECT_NE(manifest.find("language=\"*\""), std::string::npos);
    // Nothing beyond the identity and the one dependency.
    EXPECT_EQ(manifest.find("trustInfo"), std::string::npos);
    EXPECT_EQ(manifest.find("compatibility"), std::string::npos);
    EXPECT_EQ(manifest.find("<dependency>"), manifest.rfind("<dependency>"));
}

} // namespace
