#!/bin/sh
# lupdate (Qt 6.4) writes a message's id into its id attribute without
# escaping it, so the "&" of a mnemonic ("&Open Backup") or a quotation mark
# leaves a file that lrelease and Linguist cannot read. They are escaped
# here, after every lupdate run; what lupdate reads back is the same text.
# An id runs from 'id="' to the '"' that ends its line's tag. Escaped ids
# are read back first, so running this twice changes nothing.
set -e
for ts in "$@"; do
  sed -i -E \
    -e '/^ *<message id="/{' \
    -e '  s/&quot;/"/g; s/&lt;/</g; s/&amp;/\&/g' \
    -e '  :amp' -e '  s/^( *<message id="[^&\x01]*)&/\1\x01/' -e '  t amp' \
    -e '  :lt' -e '  s/^( *<message id="[^<]*)<(.*>)$/\1\x02\2/' -e '  t lt' \
    -e '  /" numerus="yes">$/{' -e '    :qn' -e '    s/^( *<message id="[^"]*)"(.*" numerus="yes">)$/\1\x03\2/' -e '    t qn' -e '  }' \
    -e '  /" numerus="yes">$/!{' -e '    :q' -e '    s/^( *<message id="[^"]*)"(.*">)$/\1\x03\2/' -e '    t q' -e '  }' \
    -e '  s/\x01/\&amp;/g; s/\x02/\&lt;/g; s/\x03/\&quot;/g' \
    -e '}' "$ts"
done
