// SPDX-License-Identifier: MIT
#include "browser/logintable.h"

#include "core/sitehosts.h"
#include "text/markers.h"

#include <algorithm>
#include <array>

namespace phodex {
namespace {

using enum LoginWindow;
using enum LoginPage;

constexpr std::array kItems = {
    LoginItem{32781, u"QQ空间/QQ群", Site, QqSpace},
    LoginItem{32794, u"新浪微博（登录时勾上下次自动登录）", Site, WeiboLogin},
    LoginItem{32789, u"百度", Site, BaiduPassport},
    LoginItem{32790, u"微商相册", Browser, Typed},
    LoginItem{32813, u"花瓣网", Browser, TypedOrHuabanHome},
    LoginItem{32792, u"又拍（下载器没弹窗提示你登录，就不要在这里登录）", Browser,
              TypedOrYupooLogin},
    LoginItem{32817, u"Instagram", Browser, TypedOrInstagramHome},
    LoginItem{32791, u"人人", Site, RenrenHome},
    LoginItem{32793, u"美空", Site, MokoLogin},
    LoginItem{32803, u"淘宝（强烈建议用小号登录）", Site, TaobaoLogin},
    LoginItem{32782, u"腾讯微博（登录时勾上下次自动登录）", Site, TencentWeiboHome},
    LoginItem{32815, u"虎扑", Site, HupuLogin},
    LoginItem{32795, u"自定义登录", Site, ProductHome},
};

QString QqSpacePage(const QString& typed, int subTypeEntry) {
    if (typed.isEmpty())
        return SiteHosts::https(HostRole::QzonePortalHost);
    const QString base = SiteHosts::https(HostRole::QzoneUserHost);
    return AllDigits(typed) && subTypeEntry == 0 ? base + typed : base;
}

QString MokoLoginPage() {
    // The page to return to, its colon written as %3A.
    const QString home = SiteHosts::https(HostRole::MokoHost).replace(u':', QStringLiteral("%3A"));
    return SiteHosts::https(HostRole::MokoHost,
                            QStringLiteral("/jsps/common/login.jsp?tourl=") + home);
}

QString OrTyped(const QString& typed, const QString& fallback) {
    return typed.isEmpty() ? fallback : typed;
}

} // namespace

std::span<const LoginItem> LoginItems() {
    return kItems;
}

const LoginItem* FindLoginItem(int commandId) {
    const auto found = std::find_if(kItems.begin(), kItems.end(), [commandId](const auto& item) {
        return item.commandId == commandId;
    });
    return found == kItems.end() ? nullptr : &*found;
}

QString LoginInitialPage(const LoginItem& item, const LoginRequest& request) {
    const QString typed = request.typedAddress.trimmed();
    switch (item.page) {
    case QqSpace:
        return QqSpacePage(typed, request.qqSubTypeEntry);
    case TencentWeiboHome:
        return SiteHosts::https(HostRole::TencentWeiboHost);
    case BaiduPassport:
        return SiteHosts::https(HostRole::BaiduPassportHost);
    case Typed:
        return typed;
    case TypedOrYupooLogin:
        return OrTyped(typed,
                       SiteHosts::https(HostRole::YupooHost, QStringLiteral("/account/login/")));
    case RenrenHome:
        return SiteHosts::https(HostRole::RenrenHost);
    case MokoLogin:
        return MokoLoginPage();
    case WeiboLogin:
        return SiteHosts::https(HostRole::WeiboHost, QStringLiteral("/login.php"));
    case ProductHome:
        return request.productHome;
    case TaobaoLogin:
        return SiteHosts::https(HostRole::TaobaoLoginHost, QStringLiteral("/member/login.jhtml"));
    case TypedOrHuabanHome:
        return OrTyped(typed, SiteHosts::https(HostRole::HuabanHost));
    case HupuLogin:
        return SiteHosts::https(HostRole::HupuPassportHost, QStringLiteral("/login"));
    case TypedOrInstagramHome:
        return OrTyped(typed, SiteHosts::https(HostRole::InstagramHost));
    }
    return {};
}

} // namespace phodex
