#pragma once

// The Stage: the logical drawing space, origin top-left, y down. The window is the Stage
// scaled by the Scale setting.
inline constexpr float kStageWidth = 360.0f;
inline constexpr float kStageHeight = 320.0f;
inline constexpr float kStageCentreX = kStageWidth / 2.0f;
inline constexpr float kStageCentreY = kStageHeight / 2.0f;
