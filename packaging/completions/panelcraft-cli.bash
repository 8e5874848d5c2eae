# SPDX-License-Identifier: GPL-3.0-or-later
# Bash completion for panelcraft-cli: options, their fixed choices, and the files each one takes.
_panelcraft_cli()
{
    local cur prev
    COMPREPLY=()
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD-1]}
    case $prev in
        --icons)
            COMPREPLY=($(compgen -W 'default alternative white' -- "$cur"))
            return ;;
        -p|--profile)
            COMPREPLY=($(compgen -W 'default white' -- "$cur") $(compgen -f -X '!*.pcp' -- "$cur") $(compgen -d -- "$cur"))
            return ;;
        --icons-from|--windows-from)
            COMPREPLY=($(compgen -f -X '!*.zip' -- "$cur") $(compgen -d -- "$cur"))
            return ;;
        -o|--output|--scheme|--export-scheme)
            COMPREPLY=($(compgen -f -- "$cur"))
            return ;;
        --global-font|--global-size|--line-height)
            return ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W '-o --output -p --profile --icons --icons-from --float-browser
            --windows-from --global-font --global-size --line-height --scheme --export-scheme
            --keep-browser -q --quiet -h --help --help-all -v --version' -- "$cur"))
    else
        COMPREPLY=($(compgen -f -X '!*.zip' -- "$cur") $(compgen -d -- "$cur"))
    fi
}
complete -o filenames -F _panelcraft_cli panelcraft-cli
