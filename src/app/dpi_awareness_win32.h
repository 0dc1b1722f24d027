#pragma once

// Per-monitor DPI awareness v2, falling back to per-monitor v1 and then to system awareness.
void MakeProcessDpiAware();
