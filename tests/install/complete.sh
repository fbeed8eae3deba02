#!/usr/bin/env bash
# complete.sh COMPLETION-FILE LINE: the words bash completion offers at the end of LINE
source /usr/share/bash-completion/bash_completion
source "$1"
line=$2
COMP_LINE=$line COMP_POINT=${#line}
read -ra COMP_WORDS <<<"$line"
[[ $line == *" " ]] && COMP_WORDS+=("")
COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
_zorvex_cli zorvex-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
printf '%s\n' "${COMPREPLY[@]}"
