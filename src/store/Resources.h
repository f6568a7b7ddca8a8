#pragma once

namespace d7 {
// The compiled-in files (schema, pictures) of the static library; safe to call
// more than once.
void InitResources();
}  // namespace d7
