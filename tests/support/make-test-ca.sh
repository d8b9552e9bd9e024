#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the test CA and one server certificate for the loopback fake sites.
# Run by the build: keys are never committed. Usage: make-test-ca.sh OUTDIR
set -euo pipefail

out=${1:?usage: make-test-ca.sh OUTDIR}
mkdir -p "$out"
work=$(mktemp -d "$out/.tmp.XXXXXX")
trap 'rm -rf "$work"' EXIT

# Every site domain gets itself and one wildcard level; hosts two levels below
# a domain (user.qzone.qq.com, a1.photo.store.qq.com ...) need their own entry,
# because a wildcard covers exactly one label.
domains=(
  qq.com qzone.qq.com photo.qzone.qq.com photo.qq.com store.qq.com photo.store.qq.com qun.qq.com t.qq.com
  m.qzone.qq.com qpic.cn photo.qpic.cn gtimg.cn qlogo.cn gtimg.com idqqimg.com
  163.com photo.163.com 126.net ph.126.net 127.net nosdn.127.net lf127.net lofter.com
  baidu.com hiphotos.baidu.com bdimg.com bdstatic.com
  renren.com rrimg.com xnimg.cn
  sina.com.cn blog.sina.com.cn sinaimg.cn weibo.com weibo.cn sina.cn
  instagram.com cdninstagram.com fbcdn.net
  poco.cn pocoimg.cn
  yupoo.com x.yupoo.com
  51.com 51img1.com
  zol.com.cn zol-img.com.cn
  pchome.com.tw
  douban.com doubanio.com
  taobao.com m.taobao.com tmall.com m.tmall.com alicdn.com tbcdn.cn taobaocdn.com
  1688.com m.1688.com alibaba.com aliexpress.com aliexpress.us
  moko.cc babytree.com babytreeimg.com pconline.com.cn pconline.cn
  hupu.com hupucdn.com hoopchina.com.cn
  jd.com m.jd.com jd.hk 360buyimg.com
  szwego.com huaban.com huabanimg.com huabanpro.com duitang.com
  topit.me topitme.com
)

alt="DNS:localhost,IP:127.0.0.1,IP:::1"
for d in "${domains[@]}"; do
  alt="$alt,DNS:$d,DNS:*.$d"
done

openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes \
  -keyout "$work/ca.key" -out "$work/ca.pem" -days 7300 -subj "/CN=Phodex Test CA" \
  -addext "basicConstraints=critical,CA:TRUE" \
  -addext "keyUsage=critical,keyCertSign,cRLSign" 2>/dev/null

openssl req -new -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes \
  -keyout "$work/server.key" -out "$work/server.csr" -subj "/CN=localhost" 2>/dev/null

cat >"$work/server.ext" <<EXT
basicConstraints=CA:FALSE
keyUsage=critical,digitalSignature,keyEncipherment
extendedKeyUsage=serverAuth
subjectKeyIdentifier=hash
authorityKeyIdentifier=keyid
subjectAltName=$alt
EXT

openssl x509 -req -in "$work/server.csr" -CA "$work/ca.pem" -CAkey "$work/ca.key" \
  -set_serial "0x$(openssl rand -hex 16)" -days 3650 -extfile "$work/server.ext" \
  -out "$work/server.pem" 2>/dev/null

chmod 600 "$work/server.key" "$work/ca.key"
# The outputs appear together or not at all, so a failed run never looks done.
for f in ca.key server.key server.pem ca.pem; do
  mv -f "$work/$f" "$out/$f"
done
