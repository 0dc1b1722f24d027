#pragma once

// Seconds on the steady clock since the first call; 0 is reserved for "never".
double MonotonicSeconds();
