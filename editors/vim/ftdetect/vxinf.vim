" vx description files share the .inf ending with Windows setup files and Inform
" sources, so an .inf file is taken for a description by its content: its first
" statement, past blank lines and # comments, is a statement word or the parenthesis
" of a palette entry. With g:vxinf_all_inf set, every .inf file is taken for one.
" The file type is set, not merely offered, as Vim has already offered its own.
function! s:VxinfDetect() abort
  if get(g:, 'vxinf_all_inf', 0)
    set filetype=vxinf
    return
  endif
  for l:lnum in range(1, min([line('$'), 100]))
    let l:line = getline(l:lnum)
    if l:line =~# '^\s*\%(#.*\)\=$'
      continue
    endif
    if l:line =~# '^[ \t,]*\%((\|\c\%(alias\|palette\|end\|highlight\|speedup\|buttonstuff\|function\|redrawfunc\|msg\|popup\|plabel\|window\|buttons\|button\|labels\|label\|field\|rect\|line\|dragarea\|colorlist\)\C\%([A-Za-z0-9_]\)\@!\)'
          \ || l:line =~# '^[ \t,]*CANCEL\%([A-Za-z0-9_]\)\@!'
      set filetype=vxinf
    endif
    return
  endfor
endfunction

autocmd BufNewFile,BufRead *.inf,*.INF call s:VxinfDetect()
