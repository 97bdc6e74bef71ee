# bash completion for kelotarhu(1): its options, and the values of those that name them.

_kelotarhu() {
  local cur prev words cword split
  _init_completion -s || return

  case $prev in
    --format)
      mapfile -t COMPREPLY < <(compgen -W 'text csv json' -- "$cur")
      return
      ;;
    --color)
      mapfile -t COMPREPLY < <(compgen -W 'auto always never' -- "$cur")
      return
      ;;
    --plugin)
      _filedir '@(so|dll)'
      return
      ;;
    --answer)
      mapfile -t COMPREPLY < <(compgen -W 'GetNameDay= GetHoliday= GetFlag=' -- "$cur")
      compopt -o nospace
      return
      ;;
    --month | --year | -h | --help | --version)
      return
      ;;
  esac
  $split && return

  if [[ $cur == -* ]]; then
    mapfile -t COMPREPLY < <(compgen -W '-h --help --version --month --year --format
      --color --plugin --answer' -- "$cur")
  fi
}
complete -F _kelotarhu kelotarhu
