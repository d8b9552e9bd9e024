// SPDX-License-Identifier: MIT
#pragma once

namespace phodex {

class PictureContext;

// Runs the picture operations of the context's category and of subType on
// the album in turn, the next only while nothing was taken and the job still
// runs: a later operation is a fallback of the one before it. False when the
// category and variant have no picture operation at all.
bool WalkPictureOperations(PictureContext& ctx, int subType, int albumIndex);

} // namespace phodex
