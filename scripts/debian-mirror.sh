# Sourced by the scripts that bootstrap a Debian of their own (fresh.sh, packaging/windows/debian13.sh):
# sets `mirror` to the first Debian archive of the host's apt sources, deb822 or one-line
# style, and `security_mirror` to its security archive; either is empty where there is none.
mirror=$(sed -n 's/^URIs: *\([^ ]*\).*/\1/p' /etc/apt/sources.list.d/*.sources 2>/dev/null |
           grep -v security | head -n 1)
[[ -n "$mirror" ]] ||
  mirror=$(sed -n 's/^deb \(\[[^]]*\] \)\?\([^ ]*\) .*/\2/p' /etc/apt/sources.list 2>/dev/null |
             grep -v security | head -n 1)
security_mirror=$(sed -n 's/^URIs: *\([^ ]*security[^ ]*\).*/\1/p' /etc/apt/sources.list.d/*.sources 2>/dev/null |
                    head -n 1)
[[ -n "$security_mirror" ]] ||
  security_mirror=$(sed -n 's/^deb \(\[[^]]*\] \)\?\([^ ]*security[^ ]*\) .*/\2/p' /etc/apt/sources.list 2>/dev/null |
                      head -n 1)
