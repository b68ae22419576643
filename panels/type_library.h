// The names and ids under which Belgepano's four controls are registered and created.
#pragma once

#include <array>

namespace kx::belgepano {

struct ControlClassInfo
{
    const char *name;
    const char *progId;
    const char *classId;
    const char *defaultInterfaceId;
    const char *eventInterfaceId;
    int widthTwips;
    int heightTwips;
};

constexpr const char *TypeLibraryName = "Belgepano";
constexpr const char *TypeLibraryId = "{653FCDE7-0271-47DC-BEFD-4CAD6D202C88}";
constexpr const char *TypeLibraryVersion = "30.0";
constexpr const char *TypeLibraryLocale = "0x409";
constexpr const char *FileVersion = "1.0.0.25";
constexpr const char *LibraryFileName = "libbelgepano.so";
// Each control's toolbox image (16 x 15, 24-bit colour) for design tools, in the library's
// resources: this folder, the control's name, ".bmp".
constexpr const char *ToolboxImageFolder = ":/belgepano/toolbox/";

constexpr std::array<ControlClassInfo, 4> ControlClasses { {
    { "RA", "Belgepano.RA", "{F8DF53B0-0E14-4857-9E80-648275D18F0F}",
      "{1B9F5A6A-1B80-4097-85C1-D647312BC4B1}", "{5529655F-BE85-47CF-A0DE-72E8DB6082F1}", 7815,
      3195 },
    { "RB", "Belgepano.RB", "{884D908E-9182-4D12-9E88-1524A5E392D0}",
      "{5F527708-1A1F-4DD3-A2F5-671AF53002E6}", "{A52324F5-5171-4FD8-84E2-ABBAE9CE49BE}", 7815,
      2115 },
    { "RC", "Belgepano.RC", "{70ED2E3F-EE09-487A-8B65-ED27C06F7530}",
      "{A26EDC9C-63EC-459B-A2BD-3405BA43005C}", "{610C46DC-062F-403A-B3AE-213B06E87C14}", 7815,
      3555 },
    { "RX", "Belgepano.RX", "{C4166BF6-9607-46D5-A10E-E183402E4F73}",
      "{D74BAD1A-FC3C-4143-820F-04FE0FF40792}", "{4ED7F2C1-63F3-43C8-82F9-378730CC8D4C}", 10500,
      990 },
} };

} // namespace kx::belgepano
