// SPDX-License-Identifier: MIT
#include "net/attempt.h"

#include "net/appliednetconfig.h"
#include "net/bodysink.h"
#include "net/curlhandle.h"
#include "net/failure.h"
#include "net/hop.h"
#include "net/thismachine.h"

#include <QCoreApplication>

namespace phodex {

namespace {

constexpr int kMaxRedirects = 20;

bool isWebUrl(const QUrl& url) {
    return url.isValid() && (url.scheme() == u"http" || url.scheme() == u"https") &&
           !url.host().isEmpty();
}

std::optional<Hop::Target> firstTarget(const CUrlRequest& request) {
    const QUrl url(request.url.trimmed());
    if (!isWebUrl(url))
        return std::nullopt;
    return Hop::Target{url, request.verb.toUtf8(), request.postData};
}

// A 303, and a 301 or 302 after a POST, continue as a GET without the body,
// as browsers do; the other redirects repeat the request as it was.
std::optional<Hop::Target> redirected(const Hop::Target& from, const Hop& hop) {
    // A site may not bounce the program onto the user's own machine.
    if (!isWebUrl(hop.redirectUrl()) ||
        (PointsAtThisMachine(hop.redirectUrl()) && !PointsAtThisMachine(from.url)))
        return std::nullopt;
    Hop::Target next{hop.redirectUrl(), from.verb, from.body};
    const int status = hop.status();
    if ((status == 303 && from.verb != "HEAD") ||
        ((status == 301 || status == 302) && from.verb == "POST")) {
        next.verb = "GET";
        next.body.reset();
    }
    return next;
}

} // namespace

bool runAttempt(CUrlResponse& response, const CUrlRequest& request, int flags, PartFile* file) {
    response.body.clear();
    response.startMarker = request.startMarker;
    response.endMarker = request.endMarker;
    response.gzip = false;
    std::optional<Hop::Target> target = firstTarget(request);
    if (!target) {
        noteFailure(
            request.url,
            QCoreApplication::translate("phodex::Net", "网址解析出错：%1").arg(request.url));
        return false;
    }
    const std::shared_ptr<const AppliedNetConfig> config = appliedNetConfig();
    BodySink sink(request, response, file);
    sink.findLeftover();
    for (int redirects = 0; redirects <= kMaxRedirects; ++redirects) {
        if (isCancelled(request)) {
            noteFailure(request.url, QStringLiteral("cancelled"));
            return false;
        }
        Hop hop(request, response, sink, flags);
        switch (hop.run(freshThreadHandle(), *config, *target)) {
        case Hop::Outcome::Final:
            return true;
        case Hop::Outcome::Failed:
            noteFailure(request.url, redirects == 0
                                         ? hop.failure()
                                         : QStringLiteral("after a redirect to %1: %2")
                                               .arg(target->url.toString(), hop.failure()));
            return false;
        case Hop::Outcome::Redirect:
            target = redirected(*target, hop);
            if (!target) {
                noteFailure(request.url,
                            QStringLiteral("redirected to an address that cannot be fetched"));
                return false;
            }
        }
    }
    noteFailure(request.url, QStringLiteral("too many redirects"));
    return false;
}

} // namespace phodex
