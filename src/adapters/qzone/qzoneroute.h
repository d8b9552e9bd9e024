// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

namespace phodex {

class ListContext;
class Session;

// Which hosts serve an owner's albums, as the route service tells.
struct QzoneRoute {
    int idcNum = 0;
    QString viewHost;  // view-album requests of the older photo list
    QString listHost;  // album lists, and the older photo list
    QString photoHost; // photo lists
    QString rest;      // the reply after the default section's photo host
};

enum class RouteCaller { Albums, AlbumsV2 };

// The route values of a route reply, with the hosts rewritten to the names
// the list and photo services answer under.
QzoneRoute ParseQzoneRoute(QString text);
// Asks the route service about qq's space and stores what it says in the
// session for the photo operations; nullopt (after telling the user) when
// the service could not be reached.
std::optional<QzoneRoute> RequestQzoneRoute(ListContext& ctx, const QString& qq,
                                            RouteCaller caller);

// The route values the last QQ Zone listing left in the text slots.
void StoreQzoneRoute(Session& session, const QzoneRoute& route);
QzoneRoute StoredQzoneRoute(const Session& session);

} // namespace phodex
