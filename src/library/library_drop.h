#pragma once

namespace montora {

// What a drag from a library strip leaves for the canvas to do with the entries
// dropped there (the codes the panels' drags carry).
enum class LibraryDrop : int { Frame = 0, Mask = 1, Clipart = 2, Decoration = 4 };

} // namespace montora
