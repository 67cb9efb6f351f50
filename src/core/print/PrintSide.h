#pragma once

// The two sides of the form, each with its own items, font, shifts and windows.
enum class PrintSide { Recto, Verso };
