# bash completion for kelotarhu(1): its options, and the values of those that name them.

_kelotarhu() {
  local cur prev words cword split
  _init_completion -s || return

  case $prev in
    --format)
      mapfile -t COMPREPLY < <(compgen -W 'text csv spreadsheet json ics' -- "$cur")
      return
      ;;
    --next)
      mapfile -t COMPREPLY < <(compgen -W 'red holiday flag feast names' -- "$cur")
      return
      ;;
    --events)
      # A comma-separated list: complete its last item.
      local chosen=${cur%"${cur##*,}"}
      mapfile -t COMPREPLY < <(compgen -P "$chosen" -W 'feasts flags finnish swedish' \
        -- "${cur##*,}")
      compopt -o nospace
      return
      ;;
    --calendar)
      mapfile -t COMPREPLY < <(compgen -W 'almanac plugin' -- "$cur")
      return
      ;;
    --color)
      mapfile -t COMPREPLY < <(compgen -W 'auto always never' -- "$cur")
      return
      ;;
    --lang)
      mapfile -t COMPREPLY < <(compgen -W 'fi sv en' -- "$cur")
      return
      ;;
    --plugin)
      _filedir '@(so|dll)'
      return
      ;;
    -o | --output)
      _filedir
      return
      ;;
    --answer)
      mapfile -t COMPREPLY < <(compgen -W 'GetNameDay= GetHoliday= GetFlag=' -- "$cur")
      compopt -o nospace
      return
      ;;
    -n | --name | --days | --month | --year | -h | --help | --version)
      return
      ;;
  esac
  $split && return

  if [[ $cur == -* ]]; then
    mapfile -t COMPREPLY < <(compgen -W '-h --help --version -n --name --month --year
      --days --next --calendar --format --events -o --output --color --lang --plugin
      --answer' -- "$cur")
  fi
}
complete -F _kelotarhu kelotarhu
