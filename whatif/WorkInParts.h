// Independent parts of one piece of work, done side by side on the machine's cores. The
// browser build has no threads: there the parts are done one after another.
#pragma once

#include <cstddef>
#include <functional>

namespace kesta::whatif {

// The number of workers WorkInParts uses for `parts` parts: at most one per part and one per
// core, at least 1.
std::size_t WorkersFor(std::size_t parts);

// Calls work(part, worker) once for every part in 0..parts-1. Each worker, numbered from 0 up
// to WorkersFor(parts) - 1, takes the next part not yet taken, so state a worker keeps (by its
// number) is never used by two parts at once. Worker 0 is the calling thread. Whatever a part
// throws is thrown here once every worker has stopped; the parts not yet taken are then left.
void WorkInParts(std::size_t parts, const std::function<void(std::size_t part, std::size_t worker)>& work);

} // namespace kesta::whatif
