#!/usr/bin/env bash
# The bash completion of q5300-cli, sourced as bash-completion loads it:
#   check-completion.sh COMPLETION Q5300_CLI [BASH_COMPLETION]
# A table of command lines with what a Tab offers there, in a folder holding a
# file of every kind; then the commands, options and file arguments the
# completion knows against what q5300-cli --help and the program itself say.
set -uo pipefail
completion=$(realpath -m -- "$1")
cli=$(realpath -m -- "$2")
framework=${3:-/usr/share/bash-completion/bash_completion}
[ -f "$framework" ] ||
  { echo "check-completion: $framework is missing (package bash-completion): skipped"; exit 77; }
for needed in "$completion" "$cli"; do
  [ -e "$needed" ] || { echo "check-completion: $needed is missing" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
mkdir sub
touch job.qxk OLD.QXU list.csv list.txt sheet.xlsx sheet.ods strip.png SHOT.PNG notes.md

# shellcheck source=/dev/null
source "$framework"
# shellcheck source=/dev/null
source "$completion"
# Outside a real completion compopt only complains; here it notes what it was asked.
compopt() { local IFS=" "; compopt_asked+=" $*"; }
[ "$(complete -p q5300-cli 2>/dev/null)" = "complete -F _q5300_cli q5300-cli" ] ||
  { echo "check-completion: the script does not register its function for q5300-cli" >&2; exit 1; }

# What a Tab at the end of LINE offers, sorted, on one line. The words are split
# as readline splits them: at blanks, with "=" and ":" words of their own.
offered() {  # line
  local line=$1 token words=() rest part
  for token in $line; do
    rest=$token
    while [[ $rest =~ ^([^=:]*)([=:]+)(.*)$ ]]; do
      part=${BASH_REMATCH[1]}
      [ -n "$part" ] && words+=("$part")
      words+=("${BASH_REMATCH[2]}")
      rest=${BASH_REMATCH[3]}
    done
    [ -n "$rest" ] && words+=("$rest")
  done
  [[ $line == *' ' ]] && words+=("")
  COMP_WORDS=("${words[@]}")
  COMP_CWORD=$((${#words[@]} - 1))
  COMP_LINE=$line
  COMP_POINT=${#line}
  COMPREPLY=()
  compopt_asked=
  _q5300_cli q5300-cli "${words[-1]}" "${words[-2]}"
  printf '%s\n' "${COMPREPLY[@]}" | sed '/^$/d' | sort | paste -sd' ' -
}

failures=0
expect() {  # line expected
  local got
  got=$(offered "$1")
  if [ "$got" != "$2" ]; then
    printf 'check-completion: "%s<Tab>" offers [%s], expected [%s]\n' "$1" "$got" "$2" >&2
    failures=$((failures + 1))
  fi
}

inputs='OLD.QXU job.qxk list.csv list.txt sheet.ods sheet.xlsx sub'
while IFS='|' read -r line expected; do
  expect "$line" "$expected"
done <<TABLE
q5300-cli |convert devices export info print render
q5300-cli e|export
q5300-cli --|--help --version
q5300-cli frobnicate |
q5300-cli help |convert devices export info print render
q5300-cli help p|print
q5300-cli convert --|--columns --header --help --repeat --separator --wire-ends
q5300-cli info --|--columns --header --help --json --repeat --separator --wire-ends
q5300-cli info --json --header --|--columns --help --repeat --separator --wire-ends
q5300-cli print --|--columns --device --from-page --header --help --pages --repeat --separator --wire-ends
q5300-cli print job.qxk --device usb --|--columns --from-page --header --help --pages --repeat --separator --wire-ends
q5300-cli render job.qxk --|--columns --header --help --page --repeat --separator --wire-ends
q5300-cli export job.qxk --|--columns --encoding --header --help --repeat --separator --wire-ends
q5300-cli convert list.csv --columns 1,2 |OLD.QXU job.qxk sub
q5300-cli convert list.csv --columns |
q5300-cli convert --wire-ends=3 list.csv --repeat 2 |OLD.QXU job.qxk sub
q5300-cli devices --|--help
q5300-cli convert |$inputs
q5300-cli convert list.csv |OLD.QXU job.qxk sub
q5300-cli convert list.csv out.qxk |
q5300-cli convert -- list.csv |OLD.QXU job.qxk sub
q5300-cli info |$inputs
q5300-cli info job.qxk |
q5300-cli print --from-page 3 |$inputs
q5300-cli print --pages 44-47,60 |$inputs
q5300-cli print job.qxk --pages |
q5300-cli render |$inputs
q5300-cli render job.qxk |SHOT.PNG strip.png sub
q5300-cli render job.qxk s|strip.png sub
q5300-cli render --page 2 job.qxk |SHOT.PNG strip.png sub
q5300-cli render --page=2 job.qxk |SHOT.PNG strip.png sub
q5300-cli render job.qxk --page |
q5300-cli export job.qxk |list.csv sub
q5300-cli export job.qxk out.csv |
q5300-cli export job.qxk --encoding |cp949 utf-8
q5300-cli export job.qxk --encoding=u|utf-8
q5300-cli convert list.csv --separator |comma semicolon tab
q5300-cli print job.qxk --device |usb virtual virtual:
q5300-cli print job.qxk --device v|virtual virtual:
q5300-cli print job.qxk --device virtual:s|sub/
q5300-cli print job.qxk --device=virtual:s|sub/
q5300-cli devices |
TABLE

# A folder of the virtual printer goes on with its subfolders: no blank after it.
offered 'q5300-cli print job.qxk --device virtual:s' >/dev/null
[[ $compopt_asked == *"-o nospace"* ]] ||
  { echo 'check-completion: "--device virtual:s<Tab>" puts a blank after the folder' >&2; failures=$((failures + 1)); }

# The commands of q5300-cli --help: the first word of each line after "Commands:".
help_commands=$("$cli" --help | sed -n '/^Commands:/,/^$/{/^  /{s/^  *\([a-z-]*\).*/\1/;p}}' | sort | paste -sd' ' -)
[ -n "$help_commands" ] || { echo "check-completion: q5300-cli --help lists no commands" >&2; exit 1; }
expect 'q5300-cli ' "$help_commands"

for command in $help_commands; do
  usage=$("$cli" "$command" --help | sed -n 's/^Usage: [^ ]* //p')
  [ -n "$usage" ] || { echo "check-completion: $command --help has no usage line" >&2; failures=$((failures + 1)); continue; }
  # Its options, as the usage line names them, and --help, which every command takes.
  options=$( (grep -o -- '--[a-z][a-z-]*' <<<"$usage"; echo --help) | sort -u | paste -sd' ' -)
  expect "q5300-cli $command --" "$options"

  # The file arguments: one per word of the usage line outside the brackets.
  arguments=$(sed 's/\[[^]]*\]//g' <<<"$usage" | wc -w)
  arguments=$((arguments - 1))
  line="q5300-cli $command "
  for ((k = 0; k < arguments; k++)); do
    if [ -z "$(offered "$line")" ]; then
      echo "check-completion: \"$line<Tab>\" offers no file, but $command takes $arguments" >&2
      failures=$((failures + 1))
    fi
    line+="x$k "
  done
  expect "$line" ""

  # Whether an option takes a value, as the program's own parser says: an option
  # that takes one is followed by its value, not by a file.
  for option in $options; do
    [ "$option" = --help ] && continue
    said=$("$cli" "$command" "$option" 2>&1 >/dev/null)
    if grep -q "unknown option" <<<"$said"; then
      echo "check-completion: $command refuses $option, which --help names: $said" >&2
      failures=$((failures + 1))
      continue
    fi
    if [ "$arguments" -eq 0 ]; then
      continue
    fi
    files=$(offered "q5300-cli $command ")
    if grep -q -- "$option needs a value" <<<"$said"; then
      [ "$(offered "q5300-cli $command $option ")" != "$files" ] ||
        { echo "check-completion: $command $option takes a value, but files are offered for it" >&2; failures=$((failures + 1)); }
      expect "q5300-cli $command $option 1 " "$files"
    else
      expect "q5300-cli $command $option " "$files"
    fi
  done
done

if [ "$failures" -ne 0 ]; then
  echo "check-completion: $failures failed" >&2
  exit 1
fi
echo "check-completion: every command line completes as expected"
