# Sourced by the tests: `offers WORD...` runs the completion function loaded
# before it on the command line WORD... (the last word is the one being
# completed; '' stands for an empty word, = is a word of its own as bash makes
# it) and prints the offers sorted, one per line.
offers() {
  local function=$1; shift
  COMP_WORDS=()
  local word
  for word in "$@"; do
    [[ $word == "''" ]] && word=""
    COMP_WORDS+=("$word")
  done
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMP_LINE="${COMP_WORDS[*]}"
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  "$function"
  [ ${#COMPREPLY[@]} -eq 0 ] || printf '%s\n' "${COMPREPLY[@]}" | sort
}
