# bash completion for zentrova-calc: options, the window names that
# "zentrova-calc --list" prints and, once a window is given, its control
# names from "zentrova-calc WINDOW --fields", completed as CONTROL=.

_zentrova_calc()
{
    local cur=${COMP_WORDS[COMP_CWORD]}
    local program=${COMP_WORDS[0]}
    local options="--json --explain --bode --sweep --max-points --batch --csv-in --design --report --fields --list --help -h --version --"
    local window="" word i options_ended=""

    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        if [[ -z $options_ended && $word == -- ]]; then
            options_ended=1
        elif [[ ( -n $options_ended || $word != -* ) && $word != *=* && -z $window ]]; then
            window=$word
        fi
    done

    if [[ -z $options_ended && $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi
    if [[ -z $window ]]; then
        local windows
        windows=$("$program" --list 2>/dev/null | cut -f1)
        COMPREPLY=($(compgen -W "$windows" -- "$cur"))
        return
    fi
    if [[ $cur != *=* ]]; then
        local controls
        controls=$("$program" "$window" --fields 2>/dev/null | cut -f1)
        COMPREPLY=($(compgen -S = -W "$controls" -- "$cur"))
        compopt -o nospace 2>/dev/null
    fi
}
complete -F _zentrova_calc zentrova-calc
