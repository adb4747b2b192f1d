// The settings dialog's layout: every control inside the window, nothing overlapping, tab order
// and access keys as the user meets them.
#include "core/forms/setup_layout.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <set>
#include <string>

namespace globulon {
namespace {

bool Overlap(const PixelRect& a, const PixelRect& b) {
    return a.Left < b.Right() && b.Left < a.Right() && a.Top < b.Bottom() && b.Top < a.Bottom();
}

bool Inside(const PixelRect& inner, const PixelRect& outer) {
    return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right() <= outer.Right() &&
           inner.Bottom() <= outer.Bottom();
}

TEST(SetupControlPixels, FramedControlsCountFromTheFrame) {
    const PixelRect label = SetupControlPixels(*FindSetupControl(SetupControlId::RedLabel), 96);
    EXPECT_EQ(label.Left, 10 + 113);  // frame at 150 twips, label 1695 twips into it
    EXPECT_EQ(label.Top, 98 + 18);
    const PixelRect ok = SetupControlPixels(*FindSetupControl(SetupControlId::OK), 96);
    EXPECT_EQ(ok.Left, 188);
    EXPECT_EQ(ok.Top, 10);
    EXPECT_EQ(ok.Width, 75);
    EXPECT_EQ(ok.Height, 23);
}

class EveryScale : public ::testing::TestWithParam<int> {};

TEST_P(EveryScale, ControlsStayInsideTheClientAreaAndFrame) {
    const int dpi = GetParam();
    const PixelRect client = {0, 0, TwipsToPixelsAtDpi(SetupClientWidthTwips, dpi),
                              TwipsToPixelsAtDpi(SetupClientHeightTwips, dpi)};
    const PixelRect frame = SetupControlPixels(*FindSetupControl(SetupControlId::Frame), dpi);
    for (const SetupControlLayout& control : SetupLayout) {
        const PixelRect at = SetupControlPixels(control, dpi);
        EXPECT_GT(at.Width, 0) << control.Name;
        EXPECT_GT(at.Height, 0) << control.Name;
        EXPECT_TRUE(Inside(at, client)) << control.Name;
        if (control.InFrame) {
            EXPECT_TRUE(Inside(at, frame)) << control.Name;
        }
    }
}

TEST_P(EveryScale, NoTwoControlsOverlapExceptWithTheirFrame) {
    const int dpi = GetParam();
    for (const SetupControlLayout& a : SetupLayout) {
        for (const SetupControlLayout& b : SetupLayout) {
            if (&a >= &b) continue;
            if (a.Kind == ControlKind::Frame || b.Kind == ControlKind::Frame) {
                const SetupControlLayout& other = a.Kind == ControlKind::Frame ? b : a;
                if (other.InFrame) continue;
            }
            EXPECT_FALSE(Overlap(SetupControlPixels(a, dpi), SetupControlPixels(b, dpi)))
                << a.Name << " and " << b.Name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Dpi, EveryScale, ::testing::Values(96, 120, 144, 168, 192, 288));

TEST(SetupLayout, TabOrderIsTheDialogsOrder) {
    const wchar_t* expected[] = {L"chkBlack", L"chkMouse",  L"optRandom", L"optFisso", L"Label1",
                                 L"cboRed",   L"Label2",    L"cboGreen",  L"Label3",   L"cboBlue",
                                 L"cmdOK",    L"cmdCancel", L"Frame1",    L"lblColor"};
    ASSERT_EQ(std::size(expected), SetupLayout.size());
    for (size_t i = 0; i < SetupLayout.size(); ++i) {
        EXPECT_STREQ(SetupLayout[i].Name, expected[i]);
    }
}

TEST(SetupLayout, EveryLabelLeadsToItsListAndAccessKeysAreUnique) {
    std::set<wchar_t> keys;
    for (size_t i = 0; i < SetupLayout.size(); ++i) {
        const std::wstring caption = SetupLayout[i].Caption;
        const size_t amp = caption.find(L'&');
        if (amp == std::wstring::npos) continue;
        ASSERT_LT(amp + 1, caption.size());
        EXPECT_TRUE(keys.insert(static_cast<wchar_t>(std::towlower(caption[amp + 1]))).second)
            << "access key of " << SetupLayout[i].Name << " used twice";
        if (SetupLayout[i].Kind == ControlKind::Label) {
            // A label's access key moves to the next control in tab order: its list.
            ASSERT_LT(i + 1, SetupLayout.size());
            EXPECT_EQ(SetupLayout[i + 1].Kind, ControlKind::DropDownList) << SetupLayout[i].Name;
        }
    }
    EXPECT_EQ(keys.size(), 7u);
}

TEST(SetupLayout, IdentifiersAreUniqueAndOkCancelAreTheDialogKeys) {
    std::set<int> ids;
    for (const SetupControlLayout& control : SetupLayout) {
        EXPECT_TRUE(ids.insert(static_cast<int>(control.Id)).second) << control.Name;
        EXPECT_EQ(FindSetupControl(control.Id), &control);
    }
    EXPECT_EQ(static_cast<int>(SetupControlId::OK), 1);      // IDOK: Enter
    EXPECT_EQ(static_cast<int>(SetupControlId::Cancel), 2);  // IDCANCEL: Escape
}

}  // namespace
}  // namespace globulon
