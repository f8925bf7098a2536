# bash completion for anagrove-find
_anagrove_find() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=
    [ "$COMP_CWORD" -gt 0 ] && prev=${COMP_WORDS[COMP_CWORD-1]}
    local words
    case $prev in
    --sort | --then) words="alpha score length" ;;
    --points) words="scrabble literati wordmojo custom" ;;
    --dictionary) words="standard extended" ;;
    --format) words="text tsv json" ;;
    --word-list)
        COMPREPLY=($(compgen -f -- "$cur"))
        [ "$cur" = - ] && COMPREPLY+=(-)
        return ;;
    --min | --max | --custom | --starts | --ends | --contains | --pattern)
        COMPREPLY=()
        return ;;
    *)
        case $cur in
        -*) words="--dictionary --word-list --min --max --no-max --anagram --sort --points
                   --custom --no-points --then --starts --ends --contains --pattern --format
                   --all-schemes --check --help --version" ;;
        *) COMPREPLY=(); return ;;
        esac ;;
    esac
    COMPREPLY=($(compgen -W "$words" -- "$cur"))
}
complete -F _anagrove_find -o filenames anagrove-find
