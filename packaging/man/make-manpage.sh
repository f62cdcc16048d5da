#!/usr/bin/env bash
# Writes a program's manual page from its own --help and --version (help2man), in English or in
# Japanese. For tavrel-admin, the help of each of its commands follows as a section of its own.
#
#   make-manpage.sh PROGRAM SECTION LANGUAGE NAME_LINE INCLUDE OUTPUT [LOCALE_FOLDER]
#
# LANGUAGE is "en" or "ja". The Japanese page runs help2man and the program under ja_JP.UTF-8:
# from LOCALE_FOLDER (a folder made by localedef, given as LOCPATH) where the machine has not
# generated that locale itself. INCLUDE is help2man's include file (sections such as SEE ALSO).
set -euo pipefail
program=$1
section=$2
language=$3
name_line=$4
include=$5
output=$6
locales=${7:-}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Sanitizer builds: the leak report at exit is no part of the help.
export ASAN_OPTIONS=detect_leaks=0
export QT_QPA_PLATFORM=offscreen
unset LANGUAGE LC_MESSAGES LANG
case "$language" in
  en) locale=C.UTF-8 name_title=NAME commands_title=COMMANDS ;;
  ja)
    locale=ja_JP.UTF-8 name_title=名前 commands_title=コマンド
    [ -n "$locales" ] && export LOCPATH="$locales"
    ;;
  *) echo "make-manpage: unknown language $language" >&2; exit 2 ;;
esac

# roff text of a help output: backslashes doubled, no line taken for a request, kept as laid out.
as_roff() {
  printf '.nf\n'
  sed -e 's/\\/\\e/g' -e "s/^\\([.']\\)/\\\\\\&\\1/"
  printf '.fi\n'
}

# The NAME line goes in through the include file: help2man would encode a --name twice.
printf '[%s]\n%s \\- %s\n' "$name_title" "$(basename "$program")" "$name_line" >"$work/include.h2m"
cat "$include" >>"$work/include.h2m"
# The commands of the tool, as its (English) help lists them: two spaces, the name (one word or
# two), two spaces or more, what it does.
if [ "$(basename "$program")" = tavrel-admin ]; then
  mapfile -t commands < <(LC_ALL=C.UTF-8 "$program" --help |
    sed -n '/^Commands:$/,/^$/p' | sed -n 's/^  \([a-z][a-z-]*\( [a-z][a-z-]*\)\?\)  .*/\1/p')
  if [ ${#commands[@]} -eq 0 ]; then
    echo "make-manpage: $program --help lists no commands" >&2
    exit 1
  fi
  {
    printf '[%s]\n' "$commands_title"
    for command in "${commands[@]}"; do
      printf '.SS "%s"\n' "$command"
      # shellcheck disable=SC2086  # "roster import" is a command and its subcommand
      LC_ALL=$locale "$program" $command --help | as_roff
    done
  } >>"$work/include.h2m"
fi

# help2man joins the lines of a paragraph with spaces. The programs wrap their Japanese help
# anywhere between two characters, so for the Japanese page a line is joined to the one before
# it without a space where the break has a Japanese character on either side (lines that
# start at the margin, below the usage line; indented lines are the options' own).
target=$program
if [ "$language" = ja ]; then
  mkdir "$work/bin"
  target="$work/bin/$(basename "$program")"
  cat >"$target" <<WRAPPER
#!/usr/bin/env bash
set -o pipefail
"$program" "\$@" | perl -CSD -0777 -pe 's/\\A(.*\\n)//; my \$usage = \$1; s/(?<=[^\\x00-\\x7F])\\n(?=[^\\s])|(?<=[^\\s:])\\n(?=[^\\x00-\\x7F])//g; \$_ = \$usage . \$_'
WRAPPER
  chmod +x "$target"
fi
help2man --no-info --section="$section" --locale="$locale" \
  --include="$work/include.h2m" --output="$work/page" "$target"
# Japanese has no spaces: groff may break a line after any Japanese character (\: marks the
# places, none before closing punctuation), and lines are left flush instead of stretched.
if [ "$language" = ja ]; then
  perl -Mutf8 -CSD -i -pe 'next if /^[.\x27]/; s/(?<=[^\x00-\x7F])(?<![（「『【〔])(?=[^\s\\、。，．）」』〕】・：；！？ーぁぃぅぇぉっゃゅょァィゥェォッャュョ])/\\:/g' "$work/page"
  sed -i '/^\.TH /a .ad l' "$work/page"
fi
mv "$work/page" "$output"
