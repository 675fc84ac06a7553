// The built-in file-type lists, chosen by keyword.
#include "toolkit/window/file_filters.h"

#include <cstring>

namespace {

// Each literal's own terminator is the list's final NUL.
constexpr char NONE_FILTER[] = "Alla filer (*.*)\0*.*\0";
constexpr char TXT_FILTER[] = "Text filer (*.txt)\0*.TXT\0"
                              "Alla filer (*.*)\0*.*\0";
constexpr char ALL_FILTER[] = "Text filer (*.txt)\0*.TXT\0"
                              "Write-dokument (*.wri)\0*.wri\0"
                              "RTF-dokument (*.rtf)\0*.rtf\0"
                              "Works filer (*.w*)\0*.w*\0"
                              "Works-dokument (*.wps)\0*.wps\0"
                              "Works-kalkylblad (*.wks)\0*.wks\0"
                              "Works-databas (*.wdb)\0*.wdb\0"
                              "World 6.0/95-dokument (*.doc)\0*.doc\0"
                              "World 97-dokument (*.doc)\0*.doc\0"
                              "Exel-kalkylblad (*.xl*)\0*.xl*\0"
                              "dBase-databas (*.dbf)\0*.dbf\0"
                              "Lotus 1-2-3 dokument(*.wk1)\0*.wk1\0"
                              "HTML-dokument (*.htm*)\0*.htm*\0"
                              "Alla filer (*.*)\0*.*\0";
constexpr char C_DEV_FILTER[] = "Programkod (*.c,*.cpp,*.h)\0*.CPP;*.C;*.H\0"
                                "Resursfiler (*.rc,*.res,*.rh)\0*.RC;*.RES;*.RH\0"
                                "Alla filer (*.*)\0*.*\0";

struct FilterRow {
    const char* keyword;
    const char* text;
};

constexpr FilterRow FILTERS[] = {
    {"NONE_FILTER", NONE_FILTER},
    {"TXT_FILTER", TXT_FILTER},
    {"ALL_FILTER", ALL_FILTER},
    {"C_DEV_FILTER", C_DEV_FILTER},
};

} // namespace

const char* rk_FileFilter_1(const char* keyword) {
    for (const FilterRow& row : FILTERS) {
        if (std::strcmp(keyword, row.keyword) == 0) return row.text;
    }
    return nullptr;
}
