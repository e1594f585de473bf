// Display modes through XRandR: the modes of one output, its present mode, a switch, and the switch back
// for every output changed, which the program makes before it ends. Built without XRandR, there are no
// modes and nothing switches.
#include "xrandr_modes.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>

#ifdef ORVALIS_HAVE_XRANDR
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

namespace {

Display* gDisplay = nullptr;
bool gTried = false;
std::map<std::string, RRMode> gOriginalModes; // outputs switched here, with the mode each had at first
bool gFailed = false;

int NoteError(Display*, XErrorEvent*) {
    gFailed = true;
    return 0;
}

Display* OpenDisplay() {
    if (gTried) return gDisplay;
    gTried = true;
    gDisplay = XOpenDisplay(nullptr);
    if (!gDisplay) return nullptr;
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XRRQueryExtension(gDisplay, &event, &error) || !XRRQueryVersion(gDisplay, &major, &minor) ||
        major * 100 + minor < 102) {
        XCloseDisplay(gDisplay);
        gDisplay = nullptr;
    }
    return gDisplay;
}

int BitsPerPixel(Display* display) {
    const int depth = DefaultDepth(display, DefaultScreen(display));
    int count = 0;
    int bits = depth;
    if (XPixmapFormatValues* formats = XListPixmapFormats(display, &count)) {
        for (int i = 0; i < count; ++i)
            if (formats[i].depth == depth) bits = formats[i].bits_per_pixel;
        XFree(formats);
    }
    return bits;
}

XrandrMode ModeFrom(const XRRModeInfo& info, int bits) {
    XrandrMode mode;
    mode.width = int(info.width);
    mode.height = int(info.height);
    mode.bitsPerPixel = bits;
    const double frame = double(info.hTotal) * double(info.vTotal);
    mode.refreshRate = frame > 0 ? int(std::lround(double(info.dotClock) / frame)) : 0;
    // The server lists only modes the output can drive.
    mode.options = 1 | ((info.modeFlags & RR_Interlace) ? 2 : 0); // safe, interlaced
    return mode;
}

const XRRModeInfo* FindModeInfo(const XRRScreenResources* resources, RRMode id) {
    for (int i = 0; i < resources->nmode; ++i)
        if (resources->modes[i].id == id) return &resources->modes[i];
    return nullptr;
}

// One output with its picture, held for the length of one query or switch.
class Output {
  public:
    Output(Display* display, const std::string& name, int x, int y) : display_(display) {
        const Window root = DefaultRootWindow(display);
        resources_ = XRRGetScreenResourcesCurrent(display, root);
        if (!resources_) return;
        RROutput byPosition = 0;
        for (int i = 0; i < resources_->noutput && !output_; ++i) {
            XRROutputInfo* info = XRRGetOutputInfo(display, resources_, resources_->outputs[i]);
            if (!info) continue;
            if (info->connection == RR_Connected && info->crtc) {
                if (name == std::string(info->name, size_t(info->nameLen))) output_ = resources_->outputs[i];
                XRRCrtcInfo* crtc = XRRGetCrtcInfo(display, resources_, info->crtc);
                if (crtc && crtc->x == x && crtc->y == y && !byPosition) byPosition = resources_->outputs[i];
                if (crtc) XRRFreeCrtcInfo(crtc);
            }
            XRRFreeOutputInfo(info);
        }
        if (!output_) output_ = byPosition;
        if (!output_) return;
        info_ = XRRGetOutputInfo(display, resources_, output_);
        if (info_ && info_->crtc) crtc_ = XRRGetCrtcInfo(display, resources_, info_->crtc);
        XRROutputInfo* named = info_;
        if (named) name_.assign(named->name, size_t(named->nameLen));
    }
    ~Output() {
        if (crtc_) XRRFreeCrtcInfo(crtc_);
        if (info_) XRRFreeOutputInfo(info_);
        if (resources_) XRRFreeScreenResources(resources_);
    }
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    bool Usable() const { return crtc_ != nullptr; }
    const std::string& Name() const { return name_; }
    RRMode CurrentMode() const { return crtc_->mode; }

    std::vector<std::pair<RRMode, XrandrMode>> Modes() const {
        std::vector<std::pair<RRMode, XrandrMode>> modes;
        const int bits = BitsPerPixel(display_);
        for (int i = 0; i < info_->nmode; ++i)
            if (const XRRModeInfo* mode = FindModeInfo(resources_, info_->modes[i]))
                modes.emplace_back(mode->id, ModeFrom(*mode, bits));
        return modes;
    }

    bool Switch(RRMode mode) {
        const XRRModeInfo* info = FindModeInfo(resources_, mode);
        if (!info) return false;
        gFailed = false;
        XErrorHandler old = XSetErrorHandler(NoteError);
        // A larger mode needs a larger screen first; a smaller one leaves the screen as it is.
        const int screen = DefaultScreen(display_);
        const int width = DisplayWidth(display_, screen), height = DisplayHeight(display_, screen);
        const int needW = std::max(width, crtc_->x + int(info->width));
        const int needH = std::max(height, crtc_->y + int(info->height));
        if (needW != width || needH != height) {
            const int mmW = DisplayWidthMM(display_, screen) * needW / std::max(width, 1);
            const int mmH = DisplayHeightMM(display_, screen) * needH / std::max(height, 1);
            XRRSetScreenSize(display_, DefaultRootWindow(display_), needW, needH, mmW, mmH);
        }
        const Status status =
            XRRSetCrtcConfig(display_, resources_, info_->crtc, CurrentTime, crtc_->x, crtc_->y, mode,
                             crtc_->rotation, crtc_->outputs, crtc_->noutput);
        XSync(display_, False);
        XSetErrorHandler(old);
        return status == RRSetConfigSuccess && !gFailed;
    }

  private:
    Display* display_;
    XRRScreenResources* resources_ = nullptr;
    RROutput output_ = 0;
    XRROutputInfo* info_ = nullptr;
    XRRCrtcInfo* crtc_ = nullptr;
    std::string name_;
};

} // namespace

std::vector<XrandrMode> XrandrModes(const std::string& output, int x, int y, XrandrMode* current) {
    std::vector<XrandrMode> modes;
    Display* display = OpenDisplay();
    if (!display) return modes;
    Output out(display, output, x, y);
    if (!out.Usable()) return modes;
    for (const auto& [id, mode] : out.Modes()) {
        modes.push_back(mode);
        if (current && id == out.CurrentMode()) *current = mode;
    }
    return modes;
}

bool XrandrSetMode(const std::string& output, int x, int y, const XrandrMode& wanted) {
    Display* display = OpenDisplay();
    if (!display) return false;
    Output out(display, output, x, y);
    if (!out.Usable()) return false;
    for (const auto& [id, mode] : out.Modes()) {
        if (!(mode == wanted)) continue;
        const RRMode before = out.CurrentMode();
        if (id == before) return true;
        if (!out.Switch(id)) return false;
        gOriginalModes.emplace(out.Name(), before);
        static bool registered = false;
        if (!registered) registered = std::atexit(XrandrRestoreAll) == 0;
        return true;
    }
    return false;
}

void XrandrRestoreAll() {
    if (!gDisplay || gOriginalModes.empty()) return;
    const std::map<std::string, RRMode> originals = std::move(gOriginalModes);
    gOriginalModes.clear();
    for (const auto& [name, mode] : originals) {
        Output out(gDisplay, name, -1, -1);
        if (out.Usable() && out.CurrentMode() != mode) out.Switch(mode);
    }
}

#else

std::vector<XrandrMode> XrandrModes(const std::string&, int, int, XrandrMode*) {
    return {};
}
bool XrandrSetMode(const std::string&, int, int, const XrandrMode&) {
    return false;
}
void XrandrRestoreAll() {}

#endif
