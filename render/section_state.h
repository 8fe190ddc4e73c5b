#pragma once
// The samples of the last terrain section.

namespace dorx {

struct SectionState {};

}  // namespace dorx
