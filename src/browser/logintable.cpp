// SPDX-License-Identifier: MIT
#include "browser/logintable.h"

#include "core/sitehosts.h"
#include "text/markers.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace phodex {
namespace {

using enum LoginWindow;
using enum LoginPage;

constexpr std::array kItems = {
    LoginItem{32781, QT_TRANSLATE_NOOP("phodex::LoginItems", "QQ空间/QQ群"), Site, QqSpace},
    LoginItem{32794, QT_TRANSLATE_NOOP("phodex::LoginItems", "新浪微博（登录时勾上下次自动登录）"),
              Site, WeiboLogin},
    LoginItem{32789, QT_TRANSLATE_NOOP("phodex::LoginItems", "百度"), Site, BaiduPassport},
    LoginItem{32790, QT_TRANSLATE_NOOP("phodex::LoginItems", "微商相册"), Browser, Typed},
    LoginItem{32813, QT_TRANSLATE_NOOP("phodex::LoginItems", "花瓣网"), Browser, TypedOrHuabanHome},
    LoginItem{
        32792,
        QT_TRANSLATE_NOOP("phodex::LoginItems", "又拍（下载器没弹窗提示你登录，就不要在这里登录）"),
        Browser, TypedOrYupooLogin},
    LoginItem{32817, QT_TRANSLATE_NOOP("phodex::LoginItems", "Instagram"), Browser,
              TypedOrInstagramHome},
    LoginItem{32791, QT_TRANSLATE_NOOP("phodex::LoginItems", "人人"), Site, RenrenHome},
    LoginItem{32793, QT_TRANSLATE_NOOP("phodex::LoginItems", "美空"), Site, MokoLogin},
    LoginItem{32803, QT_TRANSLATE_NOOP("phodex::LoginItems", "淘宝（强烈建议用小号登录）"), Site,
              TaobaoLogin},
    LoginItem{32782, QT_TRANSLATE_NOOP("phodex::LoginItems", "腾讯微博（登录时勾上下次自动登录）"),
              Site, TencentWeiboHome},
    LoginItem{32815, QT_TRANSLATE_NOOP("phodex::LoginItems", "虎扑"), Site, HupuLogin},
    LoginItem{32795, QT_TRANSLATE_NOOP("phodex::LoginItems", "自定义登录"), Site, ProductHome},
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

QString LoginCaption(const LoginItem& item) {
    return QCoreApplication::translate("phodex::LoginItems", item.caption);
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
