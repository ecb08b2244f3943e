#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <uemf.h>
#include <uwmf.h>

namespace {

namespace {

U_POINT16 point16_set(int x, int y)
{
    U_POINT16 point;
    point.x = int16_t(x);
    point.y = int16_t(y);
    return point;
}

} // namespace

bool writeTestEmf(const char* name, int width, int height)
{
    EMFTRACK* track = nullptr;
    EMFHANDLES* handles = nullptr;
    if (emf_start(name, 100000, 25000, &track) || emf_htable_create(128, 128, &handles))
        return false;
    const U_RECTL bounds = rectl_set(pointl_set(0, 0), pointl_set(width - 1, height - 1));
    // The frame is in hundredths of a millimetre; at 96 dpi a pixel is 2540/96 of them.
    const U_RECTL frame = rectl_set(pointl_set(0, 0), pointl_set(width * 2540 / 96, height * 2540 / 96));
    emf_append(reinterpret_cast<PU_ENHMETARECORD>(U_EMRHEADER_set(bounds, frame, nullptr, 0, nullptr,
                                                                  sizel_set(1920, 1080), sizel_set(508, 286), 0)),
               track, 1);
    uint32_t white = 0;
    uint32_t red = 0;
    emf_append(reinterpret_cast<PU_ENHMETARECORD>(
                   createbrushindirect_set(&white, handles, logbrush_set(U_BS_SOLID, colorref_set(255, 255, 255), 0))),
               track, 1);
    emf_append(reinterpret_cast<PU_ENHMETARECORD>(selectobject_set(white, handles)), track, 1);
    emf_append(reinterpret_cast<PU_ENHMETARECORD>(
                   U_EMRRECTANGLE_set(rectl_set(pointl_set(0, 0), pointl_set(width, height)))),
               track, 1);
    emf_append(reinterpret_cast<PU_ENHMETARECORD>(
                   createbrushindirect_set(&red, handles, logbrush_set(U_BS_SOLID, colorref_set(255, 0, 0), 0))),
               track, 1);
    emf_append(reinterpret_cast<PU_ENHMETARECORD>(selectobject_set(red, handles)), track, 1);
    emf_append(reinterpret_cast<PU_ENHMETARECORD>(
                   U_EMRRECTANGLE_set(rectl_set(pointl_set(10, 10), pointl_set(width - 10, height - 10)))),
               track, 1);
    emf_append(reinterpret_cast<PU_ENHMETARECORD>(U_EMREOF_set(0, nullptr, track)), track, 1);
    const bool ok = emf_finish(track, handles) == 0;
    emf_free(&track);
    emf_htable_free(&handles);
    return ok;
}

bool writeTestWmf(const char* name, int width, int height, bool withText)
{
    WMFTRACK* track = nullptr;
    WMFHANDLES* handles = nullptr;
    if (wmf_start(name, 100000, 25000, &track) || wmf_htable_create(128, 128, &handles))
        return false;
    // Size in inches at 96 logical units per inch: one unit per pixel.
    U_PAIRF* size = U_PAIRF_set(float(width) / 96.0f, float(height) / 96.0f);
    wmf_header_append(reinterpret_cast<U_METARECORD*>(U_WMRHEADER_set(size, 96)), track, 1);
    free(size);
    wmf_append(reinterpret_cast<U_METARECORD*>(U_WMRSETWINDOWORG_set(point16_set(0, 0))), track, 1);
    wmf_append(reinterpret_cast<U_METARECORD*>(U_WMRSETWINDOWEXT_set(point16_set(width, height))), track, 1);
    uint32_t red = 0;
    wmf_append(reinterpret_cast<U_METARECORD*>(
                   wcreatebrushindirect_set(&red, handles, U_WLOGBRUSH_set(U_BS_SOLID, colorref_set(255, 0, 0), 0))),
               track, 1);
    wmf_append(reinterpret_cast<U_METARECORD*>(wselectobject_set(red, handles)), track, 1);
    wmf_append(reinterpret_cast<U_METARECORD*>(
                   U_WMRRECTANGLE_set(U_RECT16_set(point16_set(10, 10), point16_set(width - 10, height - 10)))),
               track, 1);
    if (withText) {
        // Black 24-unit letters in the rectangle's upper left.
        uint32_t font = 0;
        char face[] = "Times New Roman";
        U_FONT* times = U_FONT_set(-24, 0, 0, 0, 700, 0, 0, 0, 0, 0, 0, 0, 0, face);
        wmf_append(reinterpret_cast<U_METARECORD*>(wcreatefontindirect_set(&font, handles, times)), track, 1);
        free(times);
        wmf_append(reinterpret_cast<U_METARECORD*>(wselectobject_set(font, handles)), track, 1);
        wmf_append(reinterpret_cast<U_METARECORD*>(U_WMRSETTEXTCOLOR_set(colorref_set(0, 0, 0))), track, 1);
        wmf_append(reinterpret_cast<U_METARECORD*>(U_WMRSETBKMODE_set(U_TRANSPARENT)), track, 1);
        char text[] = "WMF";
        wmf_append(reinterpret_cast<U_METARECORD*>(U_WMRTEXTOUT_set(point16_set(14, 12), text)), track, 1);
    }
    wmf_append(reinterpret_cast<U_METARECORD*>(U_WMREOF_set()), track, 1);
    const bool ok = wmf_finish(track) == 0;
    wmf_free(&track);
    wmf_htable_free(&handles);
    return ok;
}

} // namespace

// make_metafile emf|wmf|wmf-text PATH WIDTH HEIGHT
int main(int argc, char** argv)
{
    if (argc != 5)
        return 2;
    const int width = std::atoi(argv[3]);
    const int height = std::atoi(argv[4]);
    const bool ok = std::strcmp(argv[1], "emf") == 0
                        ? writeTestEmf(argv[2], width, height)
                        : writeTestWmf(argv[2], width, height, std::strcmp(argv[1], "wmf-text") == 0);
    return ok ? 0 : 1;
}
