#!/usr/bin/env bash
# completion_test.sh <program> <completion file>: the bash completion offers exactly the
# commands and options the program's help names, and the values of the options whose help
# lists them (--anexa A|B|C|1|2).
set -u
program=$1
completion=$2
fail=0
problem() {
  echo "$*"
  fail=1
}

# shellcheck source=/dev/null
source /usr/share/bash-completion/bash_completion 2>/dev/null ||
  { echo "bash-completion is not installed"; exit 1; }
# shellcheck source=/dev/null
source "$completion"

# What the completion offers for a command line whose last word is being typed.
offered() {
  local line=$1
  COMP_LINE=$line
  COMP_POINT=${#line}
  # Split as bash splits: at blanks, and "=" stands as a word of its own (COMP_WORDBREAKS).
  local word
  COMP_WORDS=()
  for word in $line; do
    while [[ $word == *=* ]]; do
      [[ -n ${word%%=*} ]] && COMP_WORDS+=("${word%%=*}")
      COMP_WORDS+=('=')
      word=${word#*=}
    done
    [[ -n $word ]] && COMP_WORDS+=("$word")
  done
  [[ $line == *' ' ]] && COMP_WORDS+=('')
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _velka_asigurati velka-asigurati "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  printf '%s\n' "${COMPREPLY[@]}" | sort -u
}

# Both lists sorted, one word a line; says what one has that the other lacks.
same() {
  local what=$1 expected=$2 got=$3
  local missing extra
  missing=$(comm -23 <(echo "$expected") <(echo "$got") | paste -sd' ')
  extra=$(comm -13 <(echo "$expected") <(echo "$got") | paste -sd' ')
  [[ -z $missing ]] || problem "$what: the completion lacks $missing"
  [[ -z $extra ]] || problem "$what: the completion offers $extra, which the help does not name"
}

help=$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" --help) || problem "--help failed"
# The commands are the indented words of the "Comenzi:" paragraph, the options those of the
# "Optiuni:" one.
paragraph() {
  awk -v head="$1" '$0 == head {on = 1; next} /^$/ {on = 0} on' <<<"$help"
}
commands=$(paragraph 'Comenzi:' | awk '{print $1}' | sort -u)
[[ $(wc -w <<<"$commands") -ge 5 ]] || problem "the help names too few commands: $commands"
same "commands" "$commands" "$(offered 'velka-asigurati ')"
same "commands starting with d" "$(grep '^d' <<<"$commands")" "$(offered 'velka-asigurati d')"
options=$(paragraph 'Optiuni:' | grep -oE -- '(^|[ ,])--?[a-z][a-z-]*' | tr -d ' ,' | sort -u)
grep -qx -- --version <<<"$options" || problem "the help does not name --version"
same "the program's options" "$options" "$(offered 'velka-asigurati -')"

for command in $commands; do
  text=$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" "$command" --help) ||
    problem "$command --help failed"
  # Every option line of the command's help; --help itself is accepted by every command.
  named=$( (grep -oE -- '^ +--[a-z][a-z-]*' <<<"$text" | tr -d ' '; echo --help) | sort -u)
  [[ $(wc -l <<<"$named") -ge 2 ]] || problem "$command --help names no option"
  same "$command" "$named" "$(offered "velka-asigurati $command -")"
  same "$command after another word" "$named" "$(offered "velka-asigurati $command x -")"
  # An option whose help lists its values as A|B|C.
  while read -r option values; do
    expected=$(tr '|' '\n' <<<"$values" | sort -u)
    same "$command $option" "$expected" "$(offered "velka-asigurati $command $option ")"
    same "$command $option=" "$expected" "$(offered "velka-asigurati $command $option=")"
  done < <(grep -oE -- '^ +--[a-z-]+ [^ |]+(\|[^ |]+)+' <<<"$text")
done

# The options that take a value are completed with no option in their place.
for line in 'velka-asigurati rapoarte --luna ' 'velka-asigurati importa --cas '; do
  [[ -z $(offered "$line") ]] || problem "'$line' is completed with: $(offered "$line" | paste -sd' ')"
done

[[ $fail -eq 0 ]] && echo "completion: every command and option of the help"
exit $fail
