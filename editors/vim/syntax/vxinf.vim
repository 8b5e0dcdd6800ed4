" Vim syntax file for vx description files (.inf), following the library's scanner:
" statement words in any case but CANCEL, names, numbers, |texts| and # comments.
if exists('b:current_syntax')
  finish
endif

" Items are matches, not keywords, so that words are cut as the scanner cuts them:
" a name runs on through letters, digits and _, and a keyword is a whole word.
syn match vxinfName /[A-Za-z][A-Za-z0-9_]*/
syn match vxinfReference /@[A-Za-z0-9_]*/
syn match vxinfColour /\c\%(black\|white\|dgray\|mgray\|lgray\|bluegray\|lblue\|peach\)[A-Za-z0-9_]\@!/
syn match vxinfStatement /\c\%(alias\|palette\|end\|highlight\|speedup\|buttonstuff\|function\|redrawfunc\|msg\|popup\|plabel\|window\|buttons\|button\|labels\|label\|field\|rect\|line\|dragarea\|colorlist\)[A-Za-z0-9_]\@!/
syn match vxinfStatement /CANCEL[A-Za-z0-9_]\@!/
" Anything else that starts no token stops the loading with a parse error.
syn match vxinfError /[^ \t\r\nA-Za-z0-9@,()|#-]\|-[0-9]\@!/
syn match vxinfNumber /-\=[0-9]\+/
syn match vxinfParen /[()]/
" A text runs to the closing bar or to the end of its line.
syn region vxinfText start=/|/ end=/|/ end=/$/ oneline
syn match vxinfComment /#.*$/ contains=vxinfTodo
syn keyword vxinfTodo contained TODO FIXME XXX

hi def link vxinfStatement Statement
hi def link vxinfReference Special
hi def link vxinfColour Constant
hi def link vxinfNumber Number
hi def link vxinfText String
hi def link vxinfParen Delimiter
hi def link vxinfComment Comment
hi def link vxinfTodo Todo
hi def link vxinfError Error

let b:current_syntax = 'vxinf'
