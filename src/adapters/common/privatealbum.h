// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The offer an album site makes when an album shows nothing to a visitor:
// it may be private, and a login in the browser window may open it.
namespace phodex {

class JobContext;

// Asks whether to verify the private album; on Yes opens the login window
// at loginPage and returns once the user has closed it. True when the album
// is to be read again, false when the user said No (or the job stopped).
bool OfferPrivateAlbumLogin(JobContext& ctx, const QString& loginPage);

} // namespace phodex
